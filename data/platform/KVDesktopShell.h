// The shell of a freedesktop.org desktop: links go through QDesktopServices, programs through
// QProcess, and a protocol's command is the Exec line of its default x-scheme-handler (asked
// of xdg-mime, else read from the mimeapps.list files).
#pragma once

#include "KVShell.h"

#include <QByteArray>

class TKVDesktopShell : public TKVShell {
public:
  bool OpenLink(const QString& Link) override;
  bool Execute(const QString& Program, const QStringList& Arguments) override;
  QString RegisteredCommand(const QString& Protocol) override;
};

// The value of Key in [Group] of a desktop-style ini file, or empty.
QByteArray IniValue(const QByteArray& File, const QByteArray& Group, const QByteArray& Key);

// The Exec value of the [Desktop Entry] group of a .desktop file, or empty. Escapes of the
// value are left as they are; the caller strips the field codes (%u and the like).
QString DesktopEntryExec(const QByteArray& DesktopFile);

// The first desktop file id a mimeapps.list gives as default for MimeType, or empty.
QString MimeAppsDefault(const QByteArray& MimeAppsList, const QString& MimeType);
