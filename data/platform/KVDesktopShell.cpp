#include "KVDesktopShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A desktop file is a few kilobytes; anything far larger is not one.
constexpr qint64 MaxDesktopFileSize = 1 << 20;
constexpr int LookupTimeoutMs = 5000;

QByteArray ReadSmallFile(const QString& Path) {
  QFile file(Path);
  if (Path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > MaxDesktopFileSize)
    return {};
  return file.read(MaxDesktopFileSize);
}

bool IsDesktopId(const QString& Id) {
  return Id.endsWith(QLatin1String(".desktop")) && !Id.contains(QLatin1Char('/'));
}

// The desktop file id of the default handler as xdg-mime reports it (it also knows the
// desktop-specific lists), or empty when the tool is missing or has no answer.
QString QueryXdgMime(const QString& MimeType) {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), MimeType});
  if (!query.waitForFinished(LookupTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
      query.exitCode() != 0) {
    query.kill();
    return {};
  }
  return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

// Without xdg-utils the mimeapps.list files are read directly, the user's first.
QString ReadMimeAppsLists(const QString& MimeType) {
  QStringList lists = QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation,
                                                QStringLiteral("mimeapps.list"));
  lists += QStandardPaths::locateAll(QStandardPaths::ApplicationsLocation,
                                     QStringLiteral("mimeapps.list"));
  for (const QString& list : lists) {
    const QString id = MimeAppsDefault(ReadSmallFile(list), MimeType);
    if (!id.isEmpty())
      return id;
  }
  return {};
}

// The desktop file id of the default handler of Protocol's links, or empty.
QString DefaultHandlerId(const QString& Protocol) {
  const QString mimeType = QStringLiteral("x-scheme-handler/") + Protocol;
  QString id = QueryXdgMime(mimeType);
  if (!IsDesktopId(id))
    id = ReadMimeAppsLists(mimeType);
  return IsDesktopId(id) ? id : QString();
}

} // namespace

bool TKVDesktopShell::OpenLink(const QString& Link) {
  // The desktop services need the GUI application; without one there is no desktop to ask.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return false;
  // Never guessed: a guess turns a word into a file or a host of its own choosing.
  const QUrl url(Link, QUrl::StrictMode);
  return url.isValid() && !url.isRelative() && QDesktopServices::openUrl(url);
}

bool TKVDesktopShell::Execute(const QString& Program, const QStringList& Arguments) {
  if (Program.isEmpty())
    return false;
  return QProcess::startDetached(Program, Arguments);
}

QString TKVDesktopShell::RegisteredCommand(const QString& Protocol) {
  const QString id = DefaultHandlerId(Protocol);
  if (id.isEmpty())
    return {};
  return DesktopEntryExec(
      ReadSmallFile(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id)));
}

QByteArray IniValue(const QByteArray& File, const QByteArray& Group, const QByteArray& Key) {
  bool inGroup = false;
  for (const QByteArray& raw : File.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.startsWith('[')) {
      inGroup = line == '[' + Group + ']';
      continue;
    }
    if (!inGroup || line.startsWith('#'))
      continue;
    const qsizetype eq = line.indexOf('=');
    if (eq > 0 && line.left(eq).trimmed() == Key)
      return line.mid(eq + 1).trimmed();
  }
  return {};
}

QString DesktopEntryExec(const QByteArray& DesktopFile) {
  return QString::fromUtf8(IniValue(DesktopFile, "Desktop Entry", "Exec"));
}

QString MimeAppsDefault(const QByteArray& MimeAppsList, const QString& MimeType) {
  const QByteArray value = IniValue(MimeAppsList, "Default Applications", MimeType.toUtf8());
  for (const QByteArray& id : value.split(';'))
    if (!id.trimmed().isEmpty())
      return QString::fromUtf8(id.trimmed());
  return {};
}
