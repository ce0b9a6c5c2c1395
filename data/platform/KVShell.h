// The desktop shell as the utility routines see it: open a link as a double click would, start
// a program, and look up the command registered for a link protocol. Tests install a fake.
#pragma once

#include <QString>

class TKVShell {
public:
  virtual ~TKVShell() = default;

  // Opens Link (a web or mailto link, or a file) with the desktop's default handler. True
  // when the shell reports that it did.
  virtual bool OpenLink(const QString& Link) = 0;
  // Starts Program detached with Params, a parameter text split the way a shell would.
  virtual bool Execute(const QString& Program, const QString& Params) = 0;
  // The command line registered for Protocol ("http", "mailto"), or empty when none is.
  virtual QString RegisteredCommand(const QString& Protocol) = 0;

  // The shell in use: the one installed, else the desktop's.
  static TKVShell& Instance();
  // Installs Shell (not owned; it must outlive its use); nullptr restores the desktop's.
  static void SetInstance(TKVShell* Shell);
};
