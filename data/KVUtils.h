// The message box, and handing web links and e-mail addresses to the desktop. The platform
// side is reached through TKVMessageBox and TKVShell (data/platform), which tests replace.
#pragma once

#include <QString>
#include <QStringList>

// Message-box style bits: one button set ORed with at most one icon.
inline constexpr int MB_OK = 0x00;
inline constexpr int MB_OKCANCEL = 0x01;
inline constexpr int MB_YESNOCANCEL = 0x03;
inline constexpr int MB_YESNO = 0x04;
inline constexpr int MB_BUTTONMASK = 0x0F;
inline constexpr int MB_ICONERROR = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONWARNING = 0x30;
inline constexpr int MB_ICONINFORMATION = 0x40;
inline constexpr int MB_ICONMASK = 0xF0;

// The button that closed a message box.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a modal message box and returns the button pressed. An empty Caption means the
// application title.
int ShowMessageBox(const QString& Text, const QString& Caption = QString(), int Flags = MB_OK);

// Where a link comes from, which decides what it may be. Card sets come from strangers: their
// links may only lead to a web page. The game's own links (the cover, the about box, the help
// document) may also start a mail.
enum class TLinkOrigin { CardSet, Game };

// The link handed to the desktop for Link, or empty when Link may not leave the game. An
// absolute "http:" or "https:" URL (for the game's own links also "mailto:") that parses
// strictly as written, with a host for the web schemes and an address for mail, goes as it is.
// A link without a scheme that starts with a dotted host name ("www.example.com",
// "example.com/sets") goes as "http://" + Link, when that parses strictly with that host. A link
// with blanks or control or format characters anywhere, a path, "file:" or any other scheme
// opens nothing.
QString LinkToOpen(const QString& Link, TLinkOrigin Origin);

// Opens LinkToOpen(URL) with Program when one is given, else with the desktop's default
// handler, falling back to the command registered for "http" ("mailto" for a mail link). The
// link is always handed on as one argument of its own, after the command's own arguments. A
// link LinkToOpen refuses opens nothing.
// On failure, and when ShowError is set, tells the user "Unable to connect to URL". Never
// throws.
bool OpenURL(const QString& URL, const QString& Program = QString(), bool ShowError = true,
             TLinkOrigin Origin = TLinkOrigin::CardSet);

// As OpenURL for a mail to Address ("mailto:" is put in front unless it already occurs), with
// the "mailto" command as fallback and "Unable to send mail to ..." as the failure message.
// Mail is only ever started for the game's own addresses.
bool SendMail(const QString& Address, const QString& Program = QString(), bool ShowError = true);

// The arguments the command registered for a protocol gets: its own parameters (Params as
// GetAssociatedProgram gives them, split at blanks), then Link as one argument, never split.
QStringList RegisteredCommandArguments(const QString& Params, const QString& Link);

// The command registered for Protocol, split into Program and Params. False (both empty) when
// no command is registered.
bool GetAssociatedProgram(const QString& Protocol, QString& Program, QString& Params);

// Splits a registered command line. The program ends at the last ".EXE", ".BAT" or ".COM"
// (any case); a command without one ends its program at the first blank (or the closing quote
// of a quoted first word). Params is the rest with quotes and %-placeholders removed, trimmed.
// False (both empty) for an empty command.
bool SplitAssociatedCommand(const QString& Command, QString& Program, QString& Params);
