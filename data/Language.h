// The language the program speaks: the desktop's choice, as the environment gives it, among the
// translations installed beside the program; English, the language the texts are written in,
// where none fits.
//
// Files of a language carry its code: the catalogue translations/tesselo_de.qm, the skin
// tesselo.de.dat, the help document help.de.rtf. English needs no file before the first window is
// on screen, so choosing it costs start-up nothing beyond reading the environment.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// The languages the player asks for, most wanted first, read as gettext reads them: LC_ALL,
// else LC_MESSAGES, else LANG names the locale. Under no locale, "C" or "POSIX" the answer is
// English alone and LANGUAGE is not read; otherwise the colon list of LANGUAGE comes first, then
// the locale's own language. Each entry is given in full ("de_AT") and then as its language
// alone ("de"), without codeset or modifier, each once. The list ends at the first English
// entry, and always ends in "en".
QStringList WantedLanguages(const std::function<QString(const char*)>& Environment);
// The same, from the process's environment.
QStringList WantedLanguages();

// FileName ("help.rtf") as Language keeps it ("help.de.rtf"); English keeps the name itself.
QString LocalizedFileName(const QString& FileName, const QString& Language);

// Of Folder + FileName in Language, in its language alone ("de" of "de_AT"), and as it stands,
// the first that exists.
QString LocalizedFile(const QString& Folder, const QString& FileName, const QString& Language);

namespace language {

// Installs the program's catalogue of the first wanted language that has one in
// CatalogueFolder (tesselo_<code>.qm), and lets the engine's texts follow it. Returns the code
// of that language, or "en" when no catalogue was installed. A QCoreApplication must exist.
QString Install(const QString& CatalogueFolder, const QStringList& Wanted);

// What no first window needs, so the program can install it once its window is on screen:
// Qt's own texts (the buttons of message boxes, file dialogs, edit menus) in the language
// Install chose, from the toolkit's translations; for English, the singular forms of the
// program's texts with counts (tesselo_en.qm, which holds nothing else). Later calls do nothing,
// so whatever needs these texts first installs them.
void InstallDeferred();

// The language Install chose; "en" before.
QString Current();

// The conventions of that language for writing numbers: a player the game speaks English to
// reads "1.5" even when the desktop's locale, without a catalogue of its own, writes "1,5".
QLocale Numbers();

// The folder of the program's catalogues: ProgramFolder's "translations/".
QString CatalogueFolder(const QString& ProgramFolder);

} // namespace language
