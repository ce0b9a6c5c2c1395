#include "JpegEncoder.h"

#include "GifEncoder.h"
#include <QCoreApplication>

#include <cstdio>
// jpeglib.h relies on the types of <cstdio> without including it.
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <string>

namespace {

struct TErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

// libjpeg may not return from its error exit; leave through the jump back into EncodeJpeg,
// which raises the error as a C++ exception outside any library frame.
[[noreturn]] void ExitWithMessage(j_common_ptr info) {
  auto* errors = reinterpret_cast<TErrorManager*>(info->err);
  info->err->format_message(info, errors->Message);
  std::longjmp(errors->Jump, 1);
}

void SilenceMessage(j_common_ptr) {}

} // namespace

QByteArray EncodeJpeg(const QImage& Picture, int Quality) {
  if (Picture.isNull() || Picture.width() > JPEG_MAX_DIMENSION ||
      Picture.height() > JPEG_MAX_DIMENSION)
    throw EEncodeError(
        QCoreApplication::translate(
            "Encoders", "A JPEG picture must be between 1 and 65500 pixels on each side.")
            .toStdString());
  const QImage rgb = Picture.convertToFormat(QImage::Format_RGB888);

  jpeg_compress_struct info{};
  TErrorManager errors{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = ExitWithMessage;
  errors.Base.output_message = SilenceMessage;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(errors.Jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    throw EEncodeError(
        QCoreApplication::translate("Encoders", "The JPEG picture could not be written: %1.")
            .arg(QString::fromLocal8Bit(errors.Message))
            .toStdString());
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(rgb.width());
  info.image_height = JDIMENSION(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, std::clamp(Quality, 1, 100), TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}
