// Turning command-line arguments into faces: files in order, folders by name and content.
#include "DeckTestPictures.h"

#include "DeckError.h"
#include "FaceArguments.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace decktest;

namespace {

QStringList NamesOf(const QList<TFaceSource>& sources) {
  QStringList names;
  for (const TFaceSource& source : sources)
    names.push_back(QFileInfo(source.Path).fileName());
  return names;
}

} // namespace

TEST(FaceArguments, FoldersGivePicturesByNameAndFilesKeepTheirPlace) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir().mkpath(dir.filePath(QStringLiteral("album/sub")));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("album/b.png.txt")), Picture("gif", 1)));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("album/a.dat")), Picture("gif", 2)));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("album/c.gif")), "GIF but not really"));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("album/sub/d.gif")), Picture("gif", 3)));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("first.gif")), Picture("gif", 4)));
  const QList<TFaceSource> sources = ExpandFaceArguments(
      {dir.filePath(QStringLiteral("first.gif")), dir.filePath(QStringLiteral("album"))});
  // Content decides, not the name; subfolders are not entered.
  EXPECT_EQ(NamesOf(sources), (QStringList{QStringLiteral("first.gif"), QStringLiteral("a.dat"),
                                           QStringLiteral("b.png.txt")}));
  EXPECT_TRUE(sources.front().Bytes.isEmpty()) << "files are read only when needed";
}

TEST(FaceArguments, RefusesMissingPathsAndFoldersWithoutPictures) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_THROW(ExpandFaceArguments({dir.filePath(QStringLiteral("nothing"))}), EDeckError);
  QDir().mkpath(dir.filePath(QStringLiteral("empty")));
  ASSERT_TRUE(WriteFile(dir.filePath(QStringLiteral("empty/readme.txt")), "words"));
  try {
    ExpandFaceArguments({dir.filePath(QStringLiteral("empty"))});
    ADD_FAILURE() << "a folder without pictures was accepted";
  } catch (const EDeckError& error) {
    EXPECT_NE(std::string(error.what()).find("no GIF, JPEG or BMP"), std::string::npos);
  }
}
