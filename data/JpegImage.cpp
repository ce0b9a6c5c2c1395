#include "JpegImage.h"

// clang-format off
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <string>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return. It jumps back
// to the setjmp of the running step instead. Every step function below holds only plain C
// data, so the jump skips no destructor.
struct TJpegErrorManager {
  jpeg_error_mgr Base;
  jmp_buf Return;
  char FirstMessage[JMSG_LENGTH_MAX];
  bool TooManyScans;
};

TJpegErrorManager* ErrorManagerOf(j_common_ptr Info) {
  return reinterpret_cast<TJpegErrorManager*>(Info->err);
}

void OnErrorExit(j_common_ptr Info) {
  TJpegErrorManager* manager = ErrorManagerOf(Info);
  (*Info->err->format_message)(Info, manager->FirstMessage);
  longjmp(manager->Return, 1);
}

// Counts warnings like the default handler but keeps the first text instead of printing it.
void OnEmitMessage(j_common_ptr Info, int Level) {
  if (Level >= 0)
    return;
  TJpegErrorManager* manager = ErrorManagerOf(Info);
  if (Info->err->num_warnings == 0)
    (*Info->err->format_message)(Info, manager->FirstMessage);
  Info->err->num_warnings++;
}

void OnProgress(j_common_ptr Info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(Info);
  if (decompress->input_scan_number > TImageLimits::MaxJpegScans) {
    ErrorManagerOf(Info)->TooManyScans = true;
    longjmp(ErrorManagerOf(Info)->Return, 1);
  }
}

struct TJpegSession {
  jpeg_decompress_struct Info;
  TJpegErrorManager Errors;
  jpeg_progress_mgr Progress;
};

// Step 0: create the decoder (it fails on a library mismatch or without memory).
bool CreateDecoder(TJpegSession* Session) {
  if (setjmp(Session->Errors.Return))
    return false;
  jpeg_create_decompress(&Session->Info);
  return true;
}

// Step 1: read the header and choose the output layout: that of QImage::Format_RGB32, or
// four ink bytes for a CMYK picture, which libjpeg cannot turn into RGB itself. False on a
// fatal error.
bool ReadHeader(TJpegSession* Session) {
  if (setjmp(Session->Errors.Return))
    return false;
  jpeg_read_header(&Session->Info, TRUE);
  const J_COLOR_SPACE stored = Session->Info.jpeg_color_space;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
  Session->Info.out_color_space = JCS_EXT_BGRX;
#else
  Session->Info.out_color_space = JCS_EXT_XRGB;
#endif
  if (stored == JCS_CMYK || stored == JCS_YCCK)
    Session->Info.out_color_space = JCS_CMYK;
  return true;
}

// Step 2: decode every scan line into Pixels (rows BytesPerLine apart). False on a fatal
// error.
bool ReadPixels(TJpegSession* Session, unsigned char* Pixels, qsizetype BytesPerLine) {
  if (setjmp(Session->Errors.Return))
    return false;
  jpeg_start_decompress(&Session->Info);
  while (Session->Info.output_scanline < Session->Info.output_height) {
    JSAMPROW row = Pixels + qsizetype(Session->Info.output_scanline) * BytesPerLine;
    if (jpeg_read_scanlines(&Session->Info, &row, 1) != 1)
      return false;
  }
  jpeg_finish_decompress(&Session->Info);
  return true;
}

// Turns four ink bytes per pixel into RGB in place. Files with an Adobe marker (what
// Photoshop writes) store the inks inverted, 255 meaning no ink.
void InksToRgb(QImage& Image, bool Inverted) {
  for (int y = 0; y < Image.height(); ++y) {
    uchar* ink = Image.scanLine(y);
    auto* pixel = reinterpret_cast<QRgb*>(ink);
    for (int x = 0; x < Image.width(); ++x, ink += 4) {
      int c = ink[0], m = ink[1], yellow = ink[2], k = ink[3];
      if (!Inverted) {
        c = 255 - c;
        m = 255 - m;
        yellow = 255 - yellow;
        k = 255 - k;
      }
      pixel[x] = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
    }
  }
}

// Runs the steps on a session whose decoder has been created; the caller destroys it.
QImage DecodeInSession(TJpegSession& Session, const QByteArray& Data, const TImageLimits& Limits) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(Data.constData());
  jpeg_mem_src(&Session.Info, bytes, static_cast<unsigned long>(Data.size()));
  auto fail = [&Session](const char* Why) -> EImageError {
    std::string text = std::string("The JPEG picture ") + Why;
    if (Session.Errors.TooManyScans)
      text = "The JPEG picture has too many scans";
    else if (Session.Errors.FirstMessage[0] != '\0')
      text += " (" + std::string(Session.Errors.FirstMessage) + ")";
    return EImageError(text + ".");
  };
  if (!ReadHeader(&Session))
    throw fail("cannot be read");
  Limits.CheckSize(Session.Info.image_width, Session.Info.image_height, "JPEG");
  Session.Info.mem->max_memory_to_use = static_cast<long>(Limits.MaxBytes);
  QImage image(int(Session.Info.image_width), int(Session.Info.image_height), QImage::Format_RGB32);
  if (image.isNull())
    throw EImageError("There is not enough memory for the JPEG picture.");
  if (!ReadPixels(&Session, image.bits(), image.bytesPerLine()))
    throw fail("is damaged");
  if (Session.Info.err->num_warnings > 0)
    throw fail("is damaged or incomplete");
  if (Session.Info.out_color_space == JCS_CMYK)
    InksToRgb(image, Session.Info.saw_Adobe_marker);
  return image;
}

} // namespace

QImage DecodeJpeg(const QByteArray& Data, const TImageLimits& Limits) {
  if (Data.isEmpty())
    throw EImageError("The JPEG picture is empty.");
  TJpegSession session{};
  session.Info.err = jpeg_std_error(&session.Errors.Base);
  session.Errors.Base.error_exit = OnErrorExit;
  session.Errors.Base.emit_message = OnEmitMessage;
  session.Progress.progress_monitor = OnProgress;
  if (!CreateDecoder(&session))
    throw EImageError("The JPEG decoder cannot be started.");
  session.Info.progress = &session.Progress;
  try {
    QImage image = DecodeInSession(session, Data, Limits);
    jpeg_destroy_decompress(&session.Info);
    return image;
  } catch (...) {
    jpeg_destroy_decompress(&session.Info);
    throw;
  }
}
