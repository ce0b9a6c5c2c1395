#include "Language.h"

#include "Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

namespace {

const QString English = QStringLiteral("en");

// "de_AT.UTF-8@euro" as "de_AT"; an entry that names no language gives nothing.
QString LocaleName(QString Entry) {
  for (const QChar cut : {QLatin1Char('@'), QLatin1Char('.')}) {
    const qsizetype at = Entry.indexOf(cut);
    if (at >= 0)
      Entry.truncate(at);
  }
  return Entry.trimmed();
}

// Adds Entry in full and as its language alone; false once English is reached.
bool AddWanted(QStringList& Wanted, const QString& Entry) {
  const QString name = LocaleName(Entry);
  if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
    return true;
  const QString languageAlone = name.section(QLatin1Char('_'), 0, 0);
  if (languageAlone == English)
    return false;
  for (const QString& code : {name, languageAlone})
    if (!Wanted.contains(code))
      Wanted << code;
  return true;
}

QString CurrentLanguage = English;
QString CurrentFolder;
bool DeferredInstalled = false;

bool InstallCatalogue(const QString& FileName, const QString& Folder) {
  auto* catalogue = new QTranslator(QCoreApplication::instance());
  if (catalogue->load(FileName, Folder) && QCoreApplication::installTranslator(catalogue))
    return true;
  delete catalogue;
  return false;
}

} // namespace

QStringList WantedLanguages(const std::function<QString(const char*)>& Environment) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = Environment(name);
    if (!locale.isEmpty())
      break;
  }
  const QString localeName = LocaleName(locale);
  QStringList wanted;
  if (localeName.isEmpty() || localeName == QLatin1String("C") ||
      localeName == QLatin1String("POSIX"))
    return {English};
  QStringList entries = Environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
  entries << locale;
  for (const QString& entry : entries)
    if (!AddWanted(wanted, entry))
      break;
  wanted << English;
  return wanted;
}

QStringList WantedLanguages() {
  return WantedLanguages([](const char* Name) { return qEnvironmentVariable(Name); });
}

QString LocalizedFileName(const QString& FileName, const QString& Language) {
  if (Language.isEmpty() || Language == English)
    return FileName;
  const QFileInfo name(FileName);
  const QString suffix = name.suffix();
  if (suffix.isEmpty())
    return FileName + QLatin1Char('.') + Language;
  return FileName.left(FileName.size() - suffix.size()) + Language + QLatin1Char('.') + suffix;
}

QString LocalizedFile(const QString& Folder, const QString& FileName, const QString& Language) {
  for (const QString& code : {Language, Language.section(QLatin1Char('_'), 0, 0)}) {
    const QString path = Folder + LocalizedFileName(FileName, code);
    if (code != English && QFileInfo::exists(path))
      return path;
  }
  return Folder + FileName;
}

namespace language {

QString Install(const QString& CatalogueFolder, const QStringList& Wanted) {
  UseQtTranslationsForWording();
  CurrentFolder = CatalogueFolder;
  for (const QString& code : Wanted) {
    if (code == English)
      break;
    if (InstallCatalogue(QStringLiteral("tesselo_") + code, CatalogueFolder)) {
      CurrentLanguage = code;
      return code;
    }
  }
  CurrentLanguage = English;
  return English;
}

void InstallDeferred() {
  if (std::exchange(DeferredInstalled, true))
    return;
  if (CurrentLanguage == English)
    InstallCatalogue(QStringLiteral("tesselo_en"), CurrentFolder);
  else
    InstallCatalogue(QStringLiteral("qtbase_") + CurrentLanguage,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Current() {
  return CurrentLanguage;
}

QLocale Numbers() {
  return QLocale(CurrentLanguage);
}

QString CatalogueFolder(const QString& ProgramFolder) {
  return ProgramFolder + QStringLiteral("translations/");
}

} // namespace language
