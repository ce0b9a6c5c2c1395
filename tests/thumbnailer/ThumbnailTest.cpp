// What a card set's preview shows: the advert, or a mosaic of the first faces when the advert
// is blank, at the size the file manager asked for.
#include "CardSetThumbnail.h"
#include "FaceFixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using fixtures::FaceColour;

QString WriteSet(const QTemporaryDir& Dir, const fixtures::CardSet& Set) {
  const QString path = Dir.filePath(QStringLiteral("set.crd"));
  fixtures::WriteFile(path, fixtures::BuildCardSet(Set));
  return path;
}

TEST(CardSetThumbnail, TheAdvertIsShownAtTheAskedSize) {
  QTemporaryDir dir;
  fixtures::CardSet set = fixtures::MakeCardSet("Set", 0, 8);
  set.Advert = fixtures::EncodeBmp(fixtures::Gradient(40, 20));
  const QImage thumbnail = CardSetThumbnail(WriteSet(dir, set), 128);
  EXPECT_EQ(thumbnail.size(), QSize(128, 64));
  EXPECT_FALSE(IsBlankPicture(thumbnail));
}

TEST(CardSetThumbnail, ABlankAdvertGivesTheFirstFourFacesTwoByTwo) {
  QTemporaryDir dir;
  for (const qint32 kind : {TCardSetHeader::GifKind, TCardSetHeader::JpegKind, 0}) {
    // The fixture's advert is one colour all over.
    const fixtures::CardSet set = fixtures::MakeCardSet("Set", kind, 8);
    const QImage thumbnail = CardSetThumbnail(WriteSet(dir, set), 256);
    ASSERT_EQ(std::max(thumbnail.width(), thumbnail.height()), 256) << kind;
    const int w = thumbnail.width(), h = thumbnail.height();
    const QPoint centres[] = {
        {w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
    for (int face = 0; face < 4; ++face) {
      const QRgb seen = thumbnail.pixel(centres[face]);
      const QRgb made = FaceColour(face);
      EXPECT_LE(std::abs(qRed(seen) - qRed(made)) + std::abs(qGreen(seen) - qGreen(made)) +
                    std::abs(qBlue(seen) - qBlue(made)),
                24)
          << "kind " << kind << " face " << face;
    }
  }
}

} // namespace
