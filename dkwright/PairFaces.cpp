#include "PairFaces.h"

#include "CardArt.h"
#include "DeckError.h"
#include "FacePicture.h"

#include "BmpEncoder.h"
#include "GifEncoder.h"
#include "JpegEncoder.h"
#include "WaveClip.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr int DrawnJpegQuality = 90;

QByteArray Encoded(const QImage& Picture, TFaceFormat Format) {
  switch (Format) {
  case TFaceFormat::Jpeg:
    return EncodeJpeg(Picture, DrawnJpegQuality);
  case TFaceFormat::Bmp:
    return EncodeBmp(Picture);
  default:
    return EncodeGif({{Picture, 0}});
  }
}

} // namespace

QList<TFaceSource> PairPictures(const QList<TPairSides>& Pairs) {
  QList<TFaceSource> pictures;
  for (const TPairSides& pair : Pairs)
    for (const TPairSide& side : pair)
      if (side.Kind == TFaceKind::Picture)
        pictures.push_back(side.Source);
  return pictures;
}

TPairTable MakePairTable(const QList<TPairSides>& Pairs, const QStringList& Languages,
                         int FirstClip) {
  TPairTable table;
  table.Languages = Languages;
  int clip = FirstClip;
  for (qsizetype p = 0; p < Pairs.size(); ++p)
    for (const TPairSide& side : Pairs[p]) {
      const bool sound = side.Kind == TFaceKind::Sound;
      table.Faces.push_back({int(p), side.Kind, side.Language, side.Texts, sound ? clip++ : -1,
                             QFileInfo(side.Source.Name).fileName().left(TPairTable::MaxText)});
    }
  // The game's own reading is the one judge of what a table may hold.
  try {
    return PairTableFromBytes(PairTableToBytes(table));
  } catch (const EPairTableError& error) {
    throw EDeckError(error.what());
  }
}

namespace {

// A word or caption that only fits in letters too small to read would make a card nobody can
// play; the builder refuses it rather than the game drawing it smaller still.
void CheckLetters(QSize Card, const QString& Text, bool Sound) {
  if (CardLetterPixels(Card, Text, Sound) < SmallestCardLetters)
    throw EDeckError(QCoreApplication::translate("Deckwright",
                                                 "\"%1\" does not fit on a card of %2 x %3 pixels.")
                         .arg(Text)
                         .arg(Card.width())
                         .arg(Card.height())
                         .toStdString());
}

} // namespace

QList<TFaceSource> PairFaceSources(const QList<TPairSides>& Pairs, const TPairTable& Table,
                                   QSize Box, TFaceFormat Format) {
  QList<TFaceSource> faces;
  const QString language = Table.Languages.value(0);
  for (const TPairSides& pair : Pairs)
    for (const TPairSide& side : pair) {
      const int face = int(faces.size());
      const QString text = FaceText(Table, face, language);
      const QString name =
          QCoreApplication::translate("Deckwright", "face %1 (%2)").arg(face + 1).arg(text);
      try {
        if (side.Kind != TFaceKind::Picture)
          CheckLetters(Box * 2, text, side.Kind == TFaceKind::Sound);
        if (side.Kind == TFaceKind::Word)
          faces.push_back({name, {}, Encoded(DrawWordCard(Box * 2, text), Format)});
        else if (side.Kind == TFaceKind::Sound)
          faces.push_back({name, {}, Encoded(DrawSoundCard(Box * 2, text), Format)});
        else
          faces.push_back(side.Source);
      } catch (const EEncodeError& error) {
        throw EDeckError(QStringLiteral("%1: %2").arg(name, error.what()).toStdString());
      }
    }
  return faces;
}

QByteArray ReadPairClip(const TPairSide& Side) {
  const QByteArray clip =
      Side.Source.Bytes.isEmpty()
          ? ReadInputFile(Side.Source.Path, Side.Source.Name, TWaveClip::MaxBytes)
          : Side.Source.Bytes;
  try {
    ReadWaveClip(clip);
  } catch (const EWaveClipError& error) {
    throw EDeckError(QStringLiteral("%1: %2").arg(Side.Source.Name, error.what()).toStdString());
  }
  return clip;
}
