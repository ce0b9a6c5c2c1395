// Which language the programs speak: the desktop's wishes read from the environment as gettext
// reads them, the language's files found beside the English ones, and its catalogue installed.
#include "Language.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Wanted(const QMap<QString, QString>& Environment) {
  return WantedLanguages([&](const char* Name) { return Environment.value(Name); });
}

TEST(WantedLanguages, FollowTheLocaleVariablesInGettextsOrder) {
  EXPECT_EQ(Wanted({}), QStringList({"en"}));
  EXPECT_EQ(Wanted({{"LANG", "de_AT.UTF-8@euro"}}), QStringList({"de_AT", "de", "en"}));
  // LC_ALL overrides LC_MESSAGES, which overrides LANG.
  EXPECT_EQ(Wanted({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}),
            QStringList({"fr_FR", "fr", "en"}));
  EXPECT_EQ(Wanted({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LC_ALL", "es_ES"}}),
            QStringList({"es_ES", "es", "en"}));
  // LANGUAGE comes first, each entry once, up to the first English one.
  EXPECT_EQ(Wanted({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:es_MX:fr"}}),
            QStringList({"fr", "es_MX", "es", "de_DE", "de", "en"}));
  EXPECT_EQ(Wanted({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:en_GB:es"}}),
            QStringList({"fr", "en"}));
  // Under the C locale gettext ignores LANGUAGE, and so do the programs.
  for (const char* plain : {"C", "POSIX", "C.UTF-8"})
    EXPECT_EQ(Wanted({{"LC_ALL", plain}, {"LANGUAGE", "de"}}), QStringList({"en"})) << plain;
}

TEST(LocalizedFiles, AreFoundForTheLanguageThenItsLanguageAloneThenInEnglish) {
  EXPECT_EQ(LocalizedFileName("help.rtf", "de"), "help.de.rtf");
  EXPECT_EQ(LocalizedFileName("tesselo.dat", "pt_BR"), "tesselo.pt_BR.dat");
  EXPECT_EQ(LocalizedFileName("tesselo.dat", "en"), "tesselo.dat");
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path() + "/";
  for (const char* name : {"tesselo.dat", "tesselo.de.dat"}) {
    QFile file(folder + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  EXPECT_EQ(LocalizedFile(folder, "tesselo.dat", "de_AT"), folder + "tesselo.de.dat");
  EXPECT_EQ(LocalizedFile(folder, "tesselo.dat", "fr"), folder + "tesselo.dat");
  EXPECT_EQ(LocalizedFile(folder, "tesselo.dat", "en"), folder + "tesselo.dat");
}

TEST(LanguageInstall, TakesTheFirstWantedLanguageWithACatalogue) {
  EXPECT_EQ(language::Current(), "en");
  const QString catalogues = language::CatalogueFolder(testsupport::ProgramDir() + "/");
  ASSERT_TRUE(QFile::exists(catalogues + "tesselo_fr.qm"));
  // Canadian French has no catalogue of its own and is spoken with the French one; its code is
  // kept, so its files are looked for before the French ones.
  EXPECT_EQ(language::Install(catalogues, {"it_IT", "it", "fr_CA", "fr", "de", "en"}), "fr_CA");
  EXPECT_EQ(language::Current(), "fr_CA");
  EXPECT_EQ(QCoreApplication::translate("TMainForm", "Play"), "Jouer");
  EXPECT_EQ(language::Numbers().toString(1.5), "1,5");
}

} // namespace
