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

namespace {

constexpr char NotOpenedText[] = "It has not been opened.";

// Faces are counted from 1 in what the player reads.
std::string FaceText(qint64 Face) {
  return "Face image " + std::to_string(Face + 1);
}

} // namespace

std::string UnusableCardSetText(const QString& FileName, const std::string& Problem) {
  return "The card set \"" + QFileInfo(FileName).fileName().toStdString() + "\" cannot be used. " +
         Problem;
}

void TCardSetLoader::Fail(const std::string& Problem) const {
  throw ECardSetError(UnusableCardSetText(FFileName, Problem));
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
    record.truncate(FReader->ReadToBuffer(TCardSetEntries::Header, record.data(), record.size()));
    FHeader = TCardSetHeader::FromBytes(record);
    FAdvert = ReadBitmap(TCardSetEntries::Advert, "advert picture");
    FCardBack = ReadBitmap(TCardSetEntries::Back, "card back");
  } catch (const EKVResError& error) {
    FReader.reset();
    Fail(error.what());
  } catch (...) {
    FReader.reset();
    throw;
  }
  return {FHeader.CardWidth, FHeader.CardHeight, FHeader.ImageCount, FHeader.ImageKind};
}

void TCardSetLoader::LoadFaces(const std::vector<int32_t>& Faces) {
  if (!FReader)
    Fail(NotOpenedText);
  DropFaces();
  // The file is closed however the faces turn out, and a game never gets part of its faces.
  try {
    for (const int32_t face : Faces)
      LoadFace(face);
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
    Fail(NotOpenedText);
  try {
    // A header may claim more faces than the file holds; the first missing one ends the check.
    for (int face = 0; face < FHeader.ImageCount; ++face) {
      if (std::chrono::steady_clock::now() > Deadline)
        Fail("Checking its faces takes too long.");
      CheckFace(face);
    }
  } catch (...) {
    FReader.reset();
    DropFaces();
    throw;
  }
  FReader.reset();
  DropFaces();
}

void TCardSetLoader::CheckFace(int Face) {
  DropFaces();
  LoadFace(Face);
  if (FFaceStreams.empty())
    return;
  try {
    DecodeGif(FFaceStreams.back(), FLimits);
  } catch (const EImageError& error) {
    Fail(FaceText(Face) + " is not usable: " + error.what());
  }
}

void TCardSetLoader::LoadFace(int Face) {
  const qint64 entry = qint64(TCardSetEntries::FirstFace) + Face;
  if (Face < 0 || Face >= FHeader.ImageCount || entry >= FReader->Count)
    Fail("It has no face image " + std::to_string(qint64(Face) + 1) + ".");
  const std::string face = FaceText(Face);
  try {
    QByteArray data = ReadEntry(int(entry));
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
