#include "FacePicture.h"

#include "DeckError.h"
#include "DeckRequest.h"

#include "BmpImage.h"
#include "GifImage.h"
#include "JpegImage.h"
#include "RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void FailWith(const QString& name, const QString& reason) {
  throw EDeckError(QStringLiteral("%1: %2").arg(name, reason).toStdString());
}

} // namespace

QByteArray ReadInputFile(const QString& Path, const QString& Name, qint64 MaxBytes) {
  struct stat info {};
  const int fd = OpenRegularFile(AT_FDCWD, QFile::encodeName(Path).constData(), info);
  if (fd == NotARegularFile)
    FailWith(Name, QCoreApplication::translate("Deckwright", "not a regular file."));
  QFile file;
  if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    const QString why = fd < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
    if (fd >= 0)
      ::close(fd);
    FailWith(Name, QCoreApplication::translate("Deckwright", "cannot be read (%1).").arg(why));
  }
  if (file.size() > MaxBytes)
    FailWith(Name, QCoreApplication::translate("Deckwright",
                                               "larger than %1 MB, too large for a card set.")
                       .arg(MaxBytes / (1024 * 1024)));
  // Read no further than the bound, should the file grow meanwhile.
  QByteArray bytes = file.read(MaxBytes);
  if (bytes.isEmpty())
    FailWith(Name, QCoreApplication::translate("Deckwright", "the file is empty."));
  return bytes;
}

QByteArray ReadFaceFile(const QString& Path, const QString& Name) {
  return ReadInputFile(Path, Name, TDeckRequest::MaxFileBytes);
}

namespace {

TFaceFormat KnownFormat(const QByteArray& data, const QString& name) {
  const TFaceFormat format = SniffFaceFormat(data);
  if (format == TFaceFormat::Unknown)
    FailWith(name, QCoreApplication::translate("Deckwright", "not a GIF, JPEG or BMP picture."));
  return format;
}

TFacePicture DecodeGifFace(const QByteArray& data) {
  TGifAnimation animation = DecodeGif(data);
  TFacePicture picture;
  picture.Format = TFaceFormat::Gif;
  for (const auto& frame : animation.Frames) {
    picture.Frames.push_back(frame.Image);
    picture.DelaysMs.push_back(frame.DelayMs);
  }
  return picture;
}

} // namespace

TFacePicture DecodeFacePicture(const QByteArray& Data, const QString& Name) {
  const TFaceFormat format = KnownFormat(Data, Name);
  try {
    if (format == TFaceFormat::Gif)
      return DecodeGifFace(Data);
    TFacePicture picture;
    picture.Format = format;
    picture.Frames.push_back(format == TFaceFormat::Jpeg ? DecodeJpeg(Data) : DecodeBmp(Data));
    picture.DelaysMs.push_back(0);
    return picture;
  } catch (const EImageError& error) {
    FailWith(Name, QString::fromStdString(error.what()));
  }
}

QSize ReadFaceSize(const QByteArray& Data, const QString& Name) {
  const TFaceFormat format = KnownFormat(Data, Name);
  try {
    if (format == TFaceFormat::Gif)
      return ReadGifScreenSize(Data);
  } catch (const EImageError& error) {
    FailWith(Name, QString::fromStdString(error.what()));
  }
  QBuffer buffer;
  buffer.setData(Data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format == TFaceFormat::Jpeg ? "jpeg" : "bmp");
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty())
    FailWith(Name, QCoreApplication::translate("Deckwright", "the picture cannot be read."));
  return size;
}
