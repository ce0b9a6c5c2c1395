// The desktop shell as the utility routines see it: open a link as a double click would, start
// a program, and look up the command registered for a link protocol. Tests install a fake.
#pragma once

#include <QString>
#include <QStringList>

class TKVShell {
public:
  virtual ~TKVShell() = default;

  // Opens Link, an absolute URL taken exactly as written (a web or mailto link, or a "file:"
  // URL), with the desktop's default handler. True when the shell reports that it did.
  virtual bool OpenLink(const QString& Link) = 0;
  // Starts Program detached with Arguments, each handed on as it is: no shell sees them.
  virtual bool Execute(const QString& Program, const QStringList& Arguments) = 0;
  // The command line registered for Protocol ("http", "mailto"), or empty when none is.
  virtual QString RegisteredCommand(const QString& Protocol) = 0;

  // The shell in use: the one installed, else the desktop's.
  static TKVShell& Instance();
  // Installs Shell (not owned; it must outlive its use); nullptr restores the desktop's.
  static void SetInstance(TKVShell* Shell);
};
