#include "DeckBuilder.h"

#include "CardBox.h"
#include "DeckError.h"
#include "DefaultArt.h"
#include "FacePicture.h"
#include "FacePreparation.h"
#include "PairFaces.h"

#include "BmpEncoder.h"
#include "GifEncoder.h"

#include "CardSetHeader.h"
#include "CardSetInstall.h"
#include "CardSetLoader.h"
#include "KVRStream.h"
#include "KVRWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <chrono>

namespace {

[[noreturn]] void Fail(const QString& message) {
  throw EDeckError(message.toStdString());
}

} // namespace

QString NoTitleText() {
  return QCoreApplication::translate("Deckwright", "A card set needs a title.");
}

namespace {

void CheckRequest(const TDeckRequest& request) {
  if (request.Title.trimmed().isEmpty())
    Fail(NoTitleText());
  if (request.Title.size() > TDeckRequest::MaxText)
    Fail(QCoreApplication::translate("Deckwright", "The title is longer than %n characters.",
                                     nullptr, TDeckRequest::MaxText));
  if (request.Link.size() > TDeckRequest::MaxText)
    Fail(QCoreApplication::translate("Deckwright", "The link is longer than %n characters.",
                                     nullptr, TDeckRequest::MaxText));
  if (request.Pairs.isEmpty() && request.Faces.size() < TDeckRequest::MinFaces)
    Fail(QCoreApplication::translate("Deckwright", "A card set needs at least %1 faces; %n given.",
                                     nullptr, int(request.Faces.size()))
             .arg(TDeckRequest::MinFaces));
  if (!request.Pairs.isEmpty() && request.Pairs.size() < TDeckRequest::MinFaces)
    Fail(QCoreApplication::translate("Deckwright", "A card set needs at least %1 pairs; %n given.",
                                     nullptr, int(request.Pairs.size()))
             .arg(TDeckRequest::MinFaces));
  if (!request.CardBox.isEmpty() &&
      (request.CardBox.width() > 2048 || request.CardBox.height() > 2048))
    Fail(QCoreApplication::translate("Deckwright",
                                     "The card box may be at most 2048 x 2048 pixels."));
}

bool IsGiven(const TFaceSource& source) {
  return !source.Bytes.isEmpty() || !source.Path.isEmpty();
}

QByteArray Load(const TFaceSource& source) {
  if (!source.Bytes.isEmpty())
    return source.Bytes;
  return ReadFaceFile(source.Path, source.Name);
}

// A face as a progress bar names it: its file's name, without the folders.
QString ShownName(const TFaceSource& face) {
  return QFileInfo(face.Name).fileName();
}

// Counts steps and asks the caller, before each, whether to go on.
class TSteps {
public:
  TSteps(const TDeckProgress& progress, int total) : FProgress(progress), FTotal(total) {}
  void Next(const QString& step) {
    if (FProgress && !FProgress(FDone, FTotal, step))
      throw EDeckCancelled();
    ++FDone;
  }
  void Finish() {
    if (FProgress)
      FProgress(FTotal, FTotal, QCoreApplication::translate("Deckwright", "Done"));
  }

private:
  const TDeckProgress& FProgress;
  int FTotal;
  int FDone = 0;
};

// First pass: every face must be a picture of the one format, and their sizes give the box.
struct TSurvey {
  TFaceFormat Format = TFaceFormat::Unknown;
  QList<QSize> Sizes;
};

TSurvey Survey(const QList<TFaceSource>& faces, TSteps& steps) {
  TSurvey survey;
  for (const TFaceSource& face : faces) {
    steps.Next(QCoreApplication::translate("Deckwright", "Checking %1").arg(ShownName(face)));
    const QByteArray bytes = Load(face);
    const QSize size = ReadFaceSize(bytes, face.Name);
    const TFaceFormat format = SniffFaceFormat(bytes);
    if (survey.Format == TFaceFormat::Unknown)
      survey.Format = format;
    else if (format != survey.Format)
      Fail(QCoreApplication::translate("Deckwright",
                                       "%1: a %2 picture among %3 faces; all faces of "
                                       "a set must share one format.")
               .arg(face.Name, FaceFormatName(format), FaceFormatName(survey.Format)));
    survey.Sizes.push_back(size);
  }
  return survey;
}

void Add(TKVResWriter& writer, const QByteArray& bytes, TEntryStorage storage) {
  if (storage == TEntryStorage::Compressed)
    writer.AddCompressed(bytes);
  else if (storage == TEntryStorage::Bitmap && SniffFaceFormat(bytes) == TFaceFormat::Bmp)
    writer.AddBitmap(bytes);
  else
    writer.AddPlain(bytes);
}

// An advert or back as BMP: the given picture (its first frame), shrunk to fit twice Box,
// or the drawn default.
QByteArray PictureBmp(const TFaceSource& source, QSize box, const QImage& fallback) {
  if (!IsGiven(source))
    return EncodeBmp(fallback);
  const TFacePicture picture = DecodeFacePicture(Load(source), source.Name);
  QImage still = picture.Frames.front();
  if (still.hasAlphaChannel()) {
    // Transparent corners would turn black in a BMP; white is what a viewer shows.
    QImage opaque(still.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, still);
    still = opaque;
  }
  return EncodeBmp(ShrinkToFit(still, box));
}

QByteArray Header(const TDeckRequest& request, QSize box, TFaceFormat format, qsizetype faces) {
  TCardSetHeader header;
  header.CardWidth = box.width();
  header.CardHeight = box.height();
  header.ImageCount = qint32(faces);
  header.ImageKind = ImageKindOf(format);
  header.Title = request.Title;
  header.AdLink = request.Link;
  return header.ToBytes();
}

// The table and clips of a set of different cards, after its faces.
void AddPairs(TKVResWriter& writer, const TDeckRequest& request, const TPairTable& table,
              TSteps& steps) {
  steps.Next(QCoreApplication::translate("Deckwright", "Pairs and sounds"));
  writer.AddPlain(PairTableToBytes(table));
  for (const TPairSides& pair : request.Pairs)
    for (const TPairSide& side : pair)
      if (side.Kind == TFaceKind::Sound)
        writer.AddPlain(ReadPairClip(side));
}

QByteArray Assemble(const TDeckRequest& request, TSteps& steps) {
  const bool mixed = !request.Pairs.isEmpty();
  const TSurvey survey = Survey(mixed ? PairPictures(request.Pairs) : request.Faces, steps);
  const QSize box =
      request.CardBox.isEmpty() ? DefaultCardBox(CommonFaceSize(survey.Sizes)) : request.CardBox;
  // Faces drawn for words and sounds take the pictures' format; GIF keeps drawn letters sharp.
  const TFaceFormat format =
      survey.Format == TFaceFormat::Unknown ? TFaceFormat::Gif : survey.Format;
  const qsizetype faceCount = mixed ? 2 * request.Pairs.size() : request.Faces.size();
  const TPairTable table = mixed ? MakePairTable(request.Pairs, request.Languages,
                                                 TCardSetEntries::FirstFace + int(faceCount) + 1)
                                 : TPairTable();
  const QList<TFaceSource> faces =
      mixed ? PairFaceSources(request.Pairs, table, box, format) : request.Faces;
  TKVResWriter writer;
  writer.AddPlain(Header(request, box, format, faceCount));
  steps.Next(QCoreApplication::translate("Deckwright", "Advert"));
  Add(writer, PictureBmp(request.Advert, AdvertBox, DrawDefaultAdvert(request.Title, request.Link)),
      request.PictureStorage);
  steps.Next(QCoreApplication::translate("Deckwright", "Card back"));
  Add(writer, PictureBmp(request.Back, box, DrawDefaultBack(box, request.Title)),
      request.PictureStorage);
  for (const TFaceSource& face : faces) {
    steps.Next(QCoreApplication::translate("Deckwright", "Adding %1").arg(ShownName(face)));
    const QByteArray bytes = Load(face);
    const TFacePicture picture = DecodeFacePicture(bytes, face.Name);
    Add(writer, PrepareFaceBytes(bytes, picture, box, request.KeepSize), request.FaceStorage);
  }
  if (mixed)
    AddPairs(writer, request, table, steps);
  steps.Next(QCoreApplication::translate("Deckwright", "Writing"));
  return writer.ToBytes();
}

} // namespace

QByteArray BuildDeck(const TDeckRequest& Request, const TDeckProgress& Progress) {
  CheckRequest(Request);
  // Each picture is checked, then each face added; a set of different cards adds its pairs.
  const int stepCount =
      Request.Pairs.isEmpty()
          ? int(Request.Faces.size()) * 2 + 3
          : int(PairPictures(Request.Pairs).size() + Request.Pairs.size() * 2) + 4;
  TSteps steps(Progress, stepCount);
  try {
    QByteArray bytes = Assemble(Request, steps);
    steps.Finish();
    return bytes;
  } catch (const EEncodeError& error) {
    throw EDeckError(error.what());
  } catch (const EKVResError& error) {
    throw EDeckError(error.what());
  }
}

void SaveDeck(const QByteArray& Bytes, const QString& Path) {
  QSaveFile file(Path);
  // Unbuffered: a buffered save file whose last flush is cut short (a full disk) would still
  // commit, putting a truncated set in place of the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      file.write(Bytes) != Bytes.size() || !file.commit())
    Fail(QCoreApplication::translate("Deckwright", "%1: cannot be written (%2).")
             .arg(Path, file.errorString()));
}

void CheckBuiltDeck(const QByteArray& Bytes, const QString& Name, std::stop_token Stop) {
  const QTemporaryDir folder;
  const QString copy = folder.filePath(QFileInfo(Name).fileName());
  if (!folder.isValid())
    Fail(QCoreApplication::translate("Deckwright",
                                     "There is no room for a copy to check the set in (%1).")
             .arg(folder.errorString()));
  SaveDeck(Bytes, copy);
  try {
    TCardSetLoader loader(copy);
    loader.ReadHeader();
    // The time a copy of the game gives a set handed to it, so Play's hand-over takes it too.
    loader.CheckFaces(std::chrono::steady_clock::now() + CardSetCheckTime, Stop);
  } catch (const ECardSetError& error) {
    if (Stop.stop_requested())
      throw EDeckCancelled();
    throw EDeckError(error.what());
  }
}
