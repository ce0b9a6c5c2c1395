#include "CardSetLoader.h"

#include "BmpImage.h"
#include "CardSetFile.h"
#include "EveryCore.h"
#include "FaceFit.h"
#include "GifImage.h"
#include "JpegImage.h"
#include "PairTableFile.h"
#include "WaveClip.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <utility>

TCardSetLoader::TCardSetLoader(QString FileName, TImageLimits Limits)
    : FFileName(std::move(FileName)), FLimits(Limits) {}

TCardSetLoader::~TCardSetLoader() = default;

namespace {

QString NotOpenedText() {
  return QCoreApplication::translate("CardSetLoader", "It has not been opened.");
}

QString TooLongText() {
  return QCoreApplication::translate("CardSetLoader", "Checking its faces takes too long.");
}

// Faces are counted from 1 in what the player reads.
QString NoFaceText(qint64 Face) {
  return QCoreApplication::translate("CardSetLoader", "It has no face image %1.").arg(Face + 1);
}

} // namespace

std::string UnusableCardSetText(const QString& FileName, const std::string& Problem) {
  return QCoreApplication::translate("CardSetLoader", "The card set \"%1\" cannot be used. %2")
      .arg(QFileInfo(FileName).fileName(), QString::fromStdString(Problem))
      .toStdString();
}

void TCardSetLoader::Fail(const QString& Problem) const {
  throw ECardSetError(UnusableCardSetText(FFileName, Problem.toStdString()));
}

QByteArray TCardSetLoader::ReadEntry(int Index) const {
  // Read once, straight into an array of its size, where the size is known and true; otherwise
  // through a stream, whose reader inflates and reports whatever is wrong with the entry.
  const qint64 size = FReader->StoredWholeSize(Index);
  if (size >= 0) {
    QByteArray data(size, Qt::Uninitialized);
    data.truncate(FReader->ReadToBuffer(Index, data.data(), data.size()));
    return data;
  }
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  FReader->ReadToStream(Index, buffer);
  return buffer.data();
}

QImage TCardSetLoader::ReadBitmap(int Index, const char* NotUsable) const {
  const QByteArray data = ReadEntry(Index);
  if (data.isEmpty())
    return {};
  try {
    return DecodeBmp(data, FLimits);
  } catch (const EImageError& error) {
    Fail(QCoreApplication::translate("CardSetLoader", NotUsable)
             .arg(QString::fromUtf8(error.what())));
  }
}

CardSetHeaderInfo TCardSetLoader::ReadHeader() {
  FReader.reset();
  try {
    FReader = std::make_unique<TCardSetFile>(FFileName);
    QByteArray record(TCardSetHeader::RecordSize, '\0');
    record.truncate(FReader->ReadToBuffer(TCardSetEntries::Header, record.data(), record.size()));
    FHeader = TCardSetHeader::FromBytes(record);
    FAdvert =
        ReadBitmap(TCardSetEntries::Advert,
                   QT_TRANSLATE_NOOP("CardSetLoader", "Its advert picture is not usable: %1"));
    FCardBack = ReadBitmap(TCardSetEntries::Back,
                           QT_TRANSLATE_NOOP("CardSetLoader", "Its card back is not usable: %1"));
    ReadPairs();
  } catch (const EKVResError& error) {
    FReader.reset();
    Fail(QString::fromUtf8(error.what()));
  } catch (...) {
    FReader.reset();
    throw;
  }
  return HeaderInfo();
}

void TCardSetLoader::ReadPairs() {
  FPairTable = {};
  try {
    FPairTable = ReadPairTable(*FReader, FHeader.ImageCount);
  } catch (const EPairTableError& error) {
    Fail(QString::fromUtf8(error.what()));
  }
}

void TCardSetLoader::FailSound(int Face, const std::exception_ptr& Error) const {
  try {
    std::rethrow_exception(Error);
  } catch (const EPairTableError& error) {
    Fail(QString::fromUtf8(error.what()));
  } catch (const EWaveClipError& error) {
    Fail(QCoreApplication::translate("CardSetLoader", "The sound of face %1 is not usable: %2")
             .arg(qint64(Face) + 1)
             .arg(error.what()));
  } catch (const EKVResError& error) {
    Fail(QCoreApplication::translate("CardSetLoader", "The sound of face %1 cannot be read: %2")
             .arg(qint64(Face) + 1)
             .arg(error.what()));
  }
}

QByteArray TCardSetLoader::ReadSoundClip(const QString& FileName, const TPairTable& Table, int Face,
                                         const TFileIdentity* Identity) {
  TCardSetLoader loader(FileName);
  try {
    loader.FReader = std::make_unique<TCardSetFile>(FileName);
    if (Identity != nullptr && loader.FReader->Identity() != *Identity)
      return {};
    return ::ReadSoundClip(*loader.FReader, Table, Face);
  } catch (const std::exception&) {
    loader.FailSound(Face, std::current_exception());
  }
}

CardSetHeaderInfo TCardSetLoader::HeaderInfo() const {
  CardSetHeaderInfo info{
      FHeader.CardWidth, FHeader.CardHeight, FHeader.ImageCount, FHeader.ImageKind, {}};
  for (const auto& pair : FPairTable.Pairs)
    info.Pairs.push_back({pair[0], pair[1]});
  return info;
}

// One face as the loader keeps it, made on whichever worker took it.
struct TCardSetLoader::TFaceSlot {
  bool Done = false;
  bool Drawn = false; // a word or a sound: the game draws it, its picture is not read
  QByteArray Stream;  // a GIF face, encoded
  QImage Picture;     // a JPEG or BMP face, decoded
  QSize WholeSize;    // the picture's own size in the file
  std::exception_ptr Error;

  qint64 Bytes() const { return Picture.isNull() ? Stream.size() : Picture.sizeInBytes(); }
};

void TCardSetLoader::LoadFaces(const std::vector<int32_t>& Faces, const BoardShape&) {
  LoadFaces(Faces, QSize());
}

void TCardSetLoader::LoadFaces(const std::vector<int32_t>& Faces, QSize Cover) {
  if (!FReader)
    Fail(NotOpenedText());
  DropFaces();
  // Taken before the faces are read, so a change while they are read counts as a change.
  FFileIdentity = FReader->Identity();
  // The file is closed however the faces turn out, and a game never gets part of its faces.
  try {
    std::vector<TFaceSlot> made = DecodeFaces(Faces, Cover);
    FReader.reset();
    KeepFaces(Faces, made);
    FFaceIndexes = Faces;
  } catch (...) {
    FReader.reset();
    DropFaces();
    throw;
  }
}

void TCardSetLoader::CheckFaces(std::chrono::steady_clock::time_point Deadline,
                                std::stop_token Stop) {
  if (!FReader)
    Fail(NotOpenedText());
  // The decoders watch the stop and the deadline too, so one slow face cannot outlast them.
  TImageLimits limits = FLimits;
  limits.Stop = std::move(Stop);
  limits.Deadline = std::min(limits.Deadline, Deadline);
  try {
    // A header may claim more faces than the file holds; the first missing one ends the check.
    for (int face = 0; face < FHeader.ImageCount; ++face) {
      if (limits.Stopping())
        Fail(TooLongText());
      CheckFace(face, limits);
    }
    for (int face = 0; face < int(FPairTable.Faces.size()); ++face)
      if (FPairTable.Faces[size_t(face)].Kind == TFaceKind::Sound) {
        try {
          ::ReadSoundClip(*FReader, FPairTable, face);
        } catch (const std::exception&) {
          FailSound(face, std::current_exception());
        }
      }
  } catch (...) {
    FReader.reset();
    DropFaces();
    throw;
  }
  FReader.reset();
  DropFaces();
}

// One face whole, charged alone against the game's budget, as a game of one face would hold it.
void TCardSetLoader::CheckFace(int Face, const TImageLimits& Limits) {
  DropFaces();
  TFaceSlot slot;
  try {
    DecodeFace(slot, FHeader.FaceKind(), ReadFaceEntry(Face), QSize(), Limits);
  } catch (const std::exception&) {
    FailFace(Face, std::current_exception());
  }
  ChargeFace(slot.Bytes());
  if (!slot.Picture.isNull())
    return;
  try {
    DecodeGif(slot.Stream, Limits);
  } catch (const std::exception&) {
    FailFace(Face, std::current_exception());
  }
}

QImage TCardSetLoader::ReloadFace(const QString& FileName, const TFileIdentity& Identity, int Face,
                                  TCardImageKind Kind, QSize Cover, const TImageLimits& Limits) {
  TCardSetLoader loader(FileName, Limits);
  TFaceSlot slot;
  try {
    loader.FReader = std::make_unique<TCardSetFile>(FileName);
    if (loader.FReader->Identity() != Identity)
      return {};
    const qint64 entry = qint64(TCardSetEntries::FirstFace) + Face;
    if (Face < 0 || entry >= loader.FReader->Count)
      loader.Fail(NoFaceText(Face));
    DecodeFace(slot, Kind, loader.ReadEntry(int(entry)), Cover, Limits);
  } catch (const std::exception&) {
    loader.FailFace(Face, std::current_exception());
  }
  return slot.Picture;
}

QImage TCardSetLoader::FaceWithin(int Face, QSize Box) const {
  if (!FReader)
    Fail(NotOpenedText());
  QImage picture;
  try {
    const QByteArray data = ReadFaceEntry(Face);
    switch (FHeader.FaceKind()) {
    case TCardImageKind::Gif:
      picture = DecodeGifFirstFrame(data, FLimits);
      break;
    case TCardImageKind::Jpeg:
      picture = DecodeJpeg(data, FLimits, Box);
      break;
    case TCardImageKind::Bmp:
      picture = DecodeBmp(data, FLimits);
      break;
    }
  } catch (const ECardSetError&) {
    throw;
  } catch (const std::exception&) {
    FailFace(Face, std::current_exception());
  }
  if (picture.width() <= Box.width() && picture.height() <= Box.height())
    return picture;
  return picture.scaled(Box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Workers take the faces in face order, each reading its entry while holding the file, then
// decoding it alone. Once a face fails, or the faces taken hold more than a game may, no
// further face is taken: every face before the one at fault has been taken, so KeepFaces
// finds the same first failure as reading one face after another would.
std::vector<TCardSetLoader::TFaceSlot>
TCardSetLoader::DecodeFaces(const std::vector<int32_t>& Faces, QSize Cover) const {
  std::vector<TFaceSlot> made(Faces.size());
  const TCardImageKind kind = FHeader.FaceKind();
  std::mutex reading; // guards the reader, next and stop
  size_t next = 0;
  bool stop = false;
  std::atomic<qint64> held{0};
  // A GIF face is only checked, which costs less than starting a thread.
  const int workers = kind == TCardImageKind::Gif ? 1 : int(made.size());
  RunOnEveryCore(workers, [&] {
    for (;;) {
      size_t k = 0;
      QByteArray data;
      {
        const std::lock_guard<std::mutex> lock(reading);
        if (stop || next == made.size())
          return;
        k = next++;
        if (DrawnByGame(Faces[k])) {
          made[k].Drawn = made[k].Done = true;
          continue;
        }
        try {
          data = ReadFaceEntry(Faces[k]);
        } catch (...) {
          made[k].Error = std::current_exception();
          stop = true;
        }
      }
      TFaceSlot& slot = made[k];
      if (!slot.Error) {
        try {
          DecodeFace(slot, kind, std::move(data), Cover, FLimits);
        } catch (...) {
          slot.Error = std::current_exception();
        }
      }
      slot.Done = true;
      if (slot.Error || (held += slot.Bytes()) > FLimits.MaxGameBytes) {
        const std::lock_guard<std::mutex> lock(reading);
        stop = true;
      }
    }
  });
  return made;
}

void TCardSetLoader::KeepFaces(const std::vector<int32_t>& Faces, std::vector<TFaceSlot>& Slots) {
  for (size_t k = 0; k < Slots.size(); ++k) {
    TFaceSlot& slot = Slots[k];
    if (slot.Error)
      FailFace(Faces[k], slot.Error);
    if (!slot.Done) // never: a face is left untaken only after an earlier one failed
      Fail(QCoreApplication::translate("CardSetLoader", "Its faces could not all be read."));
    ChargeFace(slot.Bytes());
    if (slot.Drawn && FHeader.FaceKind() != TCardImageKind::Gif) {
      FFacePictures.emplace_back();
      FFaceWholeSizes.emplace_back();
    } else if (slot.Picture.isNull()) {
      FFaceStreams.push_back(std::move(slot.Stream));
    } else {
      FFacePictures.push_back(std::move(slot.Picture));
      FFaceWholeSizes.push_back(slot.WholeSize);
    }
  }
}

bool TCardSetLoader::DrawnByGame(int Face) const {
  return Face >= 0 && size_t(Face) < FPairTable.Faces.size() &&
         FPairTable.Faces[size_t(Face)].Kind != TFaceKind::Picture;
}

QByteArray TCardSetLoader::ReadFaceEntry(int Face) const {
  const qint64 entry = qint64(TCardSetEntries::FirstFace) + Face;
  if (Face < 0 || Face >= FHeader.ImageCount || entry >= FReader->Count)
    Fail(NoFaceText(Face));
  return ReadEntry(int(entry));
}

void TCardSetLoader::DecodeFace(TFaceSlot& Slot, TCardImageKind Kind, QByteArray Data, QSize Cover,
                                const TImageLimits& Limits) {
  switch (Kind) {
  case TCardImageKind::Gif:
    ReadGifScreenSize(Data, Limits);
    Slot.Stream = std::move(Data);
    break;
  case TCardImageKind::Jpeg:
    // Decoded no larger than the cell needs, then stretched to it as the board would.
    Slot.Picture = DecodeJpeg(Data, Limits, Cover, &Slot.WholeSize);
    if (!Cover.isEmpty())
      Slot.Picture = StretchedToCell(Slot.Picture, Cover, Slot.WholeSize);
    break;
  case TCardImageKind::Bmp:
    // Only a face far larger than its cell is worth stretching ahead of the board.
    Slot.Picture = DecodeBmp(Data, Limits);
    Slot.WholeSize = Slot.Picture.size();
    if (!Cover.isEmpty() && (Slot.WholeSize.width() > 2 * Cover.width() ||
                             Slot.WholeSize.height() > 2 * Cover.height()))
      Slot.Picture = StretchedToCell(Slot.Picture, Cover);
    break;
  }
}

void TCardSetLoader::FailFace(int Face, const std::exception_ptr& Error) const {
  try {
    std::rethrow_exception(Error);
  } catch (const EImageStopped&) {
    Fail(TooLongText());
  } catch (const EImageError& error) {
    Fail(QCoreApplication::translate("CardSetLoader", "Face image %1 is not usable: %2")
             .arg(qint64(Face) + 1)
             .arg(error.what()));
  } catch (const EKVResError& error) {
    Fail(QCoreApplication::translate("CardSetLoader", "Face image %1 cannot be read: %2")
             .arg(qint64(Face) + 1)
             .arg(error.what()));
  }
}

void TCardSetLoader::DropFaces() {
  FFaceStreams.clear();
  FFacePictures.clear();
  FFaceWholeSizes.clear();
  FFaceIndexes.clear();
  FFaceBytes = 0;
}

void TCardSetLoader::ChargeFace(qint64 Bytes) {
  FFaceBytes += Bytes;
  if (FFaceBytes > FLimits.MaxGameBytes)
    Fail(QCoreApplication::translate("CardSetLoader",
                                     "Its faces need more memory than a game may use."));
}
