#include "CardSetLoader.h"

#include "BmpImage.h"
#include "CardSetFile.h"
#include "GifImage.h"
#include "JpegImage.h"

#include <QBuffer>
#include <QFileInfo>

#include <algorithm>
#include <utility>

TCardSetLoader::TCardSetLoader(QString FileName, TImageLimits Limits)
    : FFileName(std::move(FileName)), FLimits(Limits) {}

TCardSetLoader::~TCardSetLoader() = default;

void TCardSetLoader::Fail(const std::string& Problem) const {
  throw ECardSetError("The card set \"" + QFileInfo(FFileName).fileName().toStdString() +
                      "\" cannot be used. " + Problem);
}

QByteArray TCardSetLoader::ReadEntry(int Index) const {
  QBuffer buffer;
  buffer.open(QIODevice::ReadWrite);
  FReader->ReadToStream(Index, buffer);
  return buffer.data();
}

QImage TCardSetLoader::ReadBitmap(int Index, const char* What) const {
  const QByteArray data = ReadEntry(Index);
  if (data.isEmpty())
    return {};
  try {
    return DecodeBmp(data, FLimits);
  } catch (const EImageError& error) {
    Fail(std::string("Its ") + What + " is not usable: " + error.what());
  }
}

CardSetHeaderInfo TCardSetLoader::ReadHeader() {
  FReader.reset();
  try {
    FReader = std::make_unique<TCardSetFile>(FFileName);
    QByteArray record(TCardSetHeader::RecordSize, '\0');
    record.truncate(FReader->ReadToBuffer(HeaderEntry, record.data(), record.size()));
    FHeader = TCardSetHeader::FromBytes(record);
    FAdvert = ReadBitmap(AdvertEntry, "advert picture");
    FCardBack = ReadBitmap(BackEntry, "card back");
  } catch (const EKVResError& error) {
    FReader.reset();
    Fail(error.what());
  } catch (...) {
    FReader.reset();
    throw;
  }
  return {FHeader.CardWidth, FHeader.CardHeight, FHeader.ImageCount, FHeader.ImageKind};
}

void TCardSetLoader::LoadFaces(const std::vector<int32_t>& Entries) {
  if (!FReader)
    Fail("It has not been opened.");
  DropFaces();
  // The file is closed however the faces turn out, and a game never gets part of its faces.
  try {
    for (const int32_t entry : Entries)
      LoadFace(entry);
  } catch (...) {
    FReader.reset();
    DropFaces();
    throw;
  }
  FReader.reset();
}

void TCardSetLoader::DropFaces() {
  FFaceStreams.clear();
  FFacePictures.clear();
  FFaceBytes = 0;
}

void TCardSetLoader::CheckFaces(std::chrono::steady_clock::time_point Deadline) {
  if (!FReader)
    Fail("It has not been opened.");
  const qint64 lastEntry = qint64(FHeader.ImageCount) + FirstFaceEntry - 1;
  try {
    // A header may claim more faces than the file holds; the first missing one ends the check.
    for (qint64 entry = FirstFaceEntry; entry <= lastEntry; ++entry) {
      if (std::chrono::steady_clock::now() > Deadline)
        Fail("Checking its faces takes too long.");
      CheckFace(int(std::min<qint64>(entry, FReader->Count)));
    }
  } catch (...) {
    FReader.reset();
    DropFaces();
    throw;
  }
  FReader.reset();
  DropFaces();
}

void TCardSetLoader::CheckFace(int Entry) {
  DropFaces();
  LoadFace(Entry);
  if (FFaceStreams.empty())
    return;
  try {
    DecodeGif(FFaceStreams.back(), FLimits);
  } catch (const EImageError& error) {
    Fail("Face image " + std::to_string(Entry - FirstFaceEntry + 1) +
         " is not usable: " + error.what());
  }
}

void TCardSetLoader::LoadFace(int Entry) {
  if (Entry < FirstFaceEntry || Entry > qint64(FHeader.ImageCount) + FirstFaceEntry - 1 ||
      Entry >= FReader->Count)
    Fail("It has no face image " + std::to_string(Entry - FirstFaceEntry + 1) + ".");
  const std::string face = "Face image " + std::to_string(Entry - FirstFaceEntry + 1);
  try {
    QByteArray data = ReadEntry(Entry);
    switch (FHeader.FaceKind()) {
    case TCardImageKind::Gif:
      ReadGifScreenSize(data, FLimits);
      ChargeFace(data.size());
      FFaceStreams.push_back(std::move(data));
      break;
    case TCardImageKind::Jpeg:
      FFacePictures.push_back(DecodeJpeg(data, FLimits));
      ChargeFace(FFacePictures.back().sizeInBytes());
      break;
    case TCardImageKind::Bmp:
      FFacePictures.push_back(DecodeBmp(data, FLimits));
      ChargeFace(FFacePictures.back().sizeInBytes());
      break;
    }
  } catch (const EImageError& error) {
    Fail(face + " is not usable: " + error.what());
  } catch (const EKVResError& error) {
    Fail(face + " cannot be read: " + error.what());
  }
}

void TCardSetLoader::ChargeFace(qint64 Bytes) {
  FFaceBytes += Bytes;
  if (FFaceBytes > FLimits.MaxGameBytes)
    Fail("Its faces need more memory than a game may use.");
}
