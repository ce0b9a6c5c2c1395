#include "JpegImage.h"

#include <QCoreApplication>

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
  // The bounds of the decode, whose stop the progress monitor watches; set when the stop ended it.
  const TImageLimits* Limits;
  bool Stopped;
  // Set once the decoder starts producing rows (reading the scans of a progressive picture
  // counts), and when something went wrong while rows were still owed.
  bool Decoding;
  bool RowsMadeUp;
};

TJpegErrorManager* ErrorManagerOf(j_common_ptr Info) {
  return reinterpret_cast<TJpegErrorManager*>(Info->err);
}

bool RowsOwed(j_decompress_ptr Info) {
  return ErrorManagerOf(reinterpret_cast<j_common_ptr>(Info))->Decoding &&
         Info->output_scanline < Info->output_height;
}

void OnErrorExit(j_common_ptr Info) {
  TJpegErrorManager* manager = ErrorManagerOf(Info);
  (*Info->err->format_message)(Info, manager->FirstMessage);
  longjmp(manager->Return, 1);
}

// Counts warnings like the default handler, printing none; the first that comes while rows
// are still owed marks the picture and keeps its text.
void OnEmitMessage(j_common_ptr Info, int Level) {
  if (Level >= 0)
    return;
  Info->err->num_warnings++;
  TJpegErrorManager* manager = ErrorManagerOf(Info);
  if (manager->RowsMadeUp || !RowsOwed(reinterpret_cast<j_decompress_ptr>(Info)))
    return;
  manager->RowsMadeUp = true;
  (*Info->err->format_message)(Info, manager->FirstMessage);
}

// The source of the data: all of it at once, as libjpeg's memory source, except that running
// out is no warning of its own. An end marker is supplied instead; the decoder warns anyway
// when it needed more of the data than there was, and so it does while rows are owed.
// Only the scans of a progressive picture can be missing without that: its data ending before
// its end marker, while it is read, counts as rows made up.
const JOCTET EndMarker[2] = {0xFF, JPEG_EOI};

void OnInitSource(j_decompress_ptr) {}

boolean OnFillInputBuffer(j_decompress_ptr Info) {
  if (RowsOwed(Info) && jpeg_has_multiple_scans(Info))
    ErrorManagerOf(reinterpret_cast<j_common_ptr>(Info))->RowsMadeUp = true;
  Info->src->next_input_byte = EndMarker;
  Info->src->bytes_in_buffer = sizeof(EndMarker);
  return TRUE;
}

void OnSkipInputData(j_decompress_ptr Info, long Count) {
  if (Count <= 0)
    return;
  while (Count > long(Info->src->bytes_in_buffer)) {
    Count -= long(Info->src->bytes_in_buffer);
    OnFillInputBuffer(Info);
  }
  Info->src->next_input_byte += Count;
  Info->src->bytes_in_buffer -= std::size_t(Count);
}

void OnTermSource(j_decompress_ptr) {}

void OnProgress(j_common_ptr Info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(Info);
  if (decompress->input_scan_number > TImageLimits::MaxJpegScans) {
    ErrorManagerOf(Info)->TooManyScans = true;
    longjmp(ErrorManagerOf(Info)->Return, 1);
  }
  // Called once a row, and once a row of blocks while the scans of a progressive picture are
  // read: a stop ends even a picture of a thousand scans at once.
  TJpegErrorManager* manager = ErrorManagerOf(Info);
  if (manager->Limits->Stopping()) {
    manager->Stopped = true;
    longjmp(manager->Return, 1);
  }
}

struct TJpegSession {
  jpeg_decompress_struct Info;
  TJpegErrorManager Errors;
  jpeg_progress_mgr Progress;
  jpeg_source_mgr Source;
};

void SetSource(TJpegSession& Session, const QByteArray& Data) {
  Session.Source.next_input_byte = reinterpret_cast<const JOCTET*>(Data.constData());
  Session.Source.bytes_in_buffer = std::size_t(Data.size());
  Session.Source.init_source = OnInitSource;
  Session.Source.fill_input_buffer = OnFillInputBuffer;
  Session.Source.skip_input_data = OnSkipInputData;
  Session.Source.resync_to_restart = jpeg_resync_to_restart;
  Session.Source.term_source = OnTermSource;
  Session.Info.src = &Session.Source;
}

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

// Step 2: choose the smallest scale, in eighths, whose output covers Cover; the full scale
// when none smaller does or Cover is empty. False on a fatal error.
bool ChooseScale(TJpegSession* Session, QSize Cover) {
  if (setjmp(Session->Errors.Return))
    return false;
  jpeg_decompress_struct& info = Session->Info;
  info.scale_denom = 8;
  info.scale_num = Cover.isEmpty() ? 8 : 1;
  for (;;) {
    jpeg_calc_output_dimensions(&info);
    if (info.scale_num == 8 ||
        (int(info.output_width) >= Cover.width() && int(info.output_height) >= Cover.height()))
      return true;
    ++info.scale_num;
  }
}

// Step 3: decode every scan line into Pixels (rows BytesPerLine apart). False on a fatal
// error.
bool ReadPixels(TJpegSession* Session, unsigned char* Pixels, qsizetype BytesPerLine) {
  if (setjmp(Session->Errors.Return))
    return false;
  Session->Errors.Decoding = true;
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
QImage DecodeInSession(TJpegSession& Session, const QByteArray& Data, const TImageLimits& Limits,
                       QSize Cover, QSize* WholeSize) {
  SetSource(Session, Data);
  // Why is a whole sentence; the decoder's own first message, when it gave one, follows it.
  auto fail = [&Session, &Limits](const char* Why) -> EImageError {
    if (Session.Errors.Stopped)
      Limits.CheckGoingOn();
    if (Session.Errors.TooManyScans)
      return EImageError(
          QCoreApplication::translate("JpegImage", "The JPEG picture has too many scans."));
    QString text = QCoreApplication::translate("JpegImage", Why);
    if (Session.Errors.FirstMessage[0] != '\0')
      text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(Session.Errors.FirstMessage));
    return EImageError(text);
  };
  if (!ReadHeader(&Session))
    throw fail(QT_TRANSLATE_NOOP("JpegImage", "The JPEG picture cannot be read."));
  Limits.CheckSize(Session.Info.image_width, Session.Info.image_height, "JPEG");
  if (WholeSize != nullptr)
    *WholeSize = QSize(int(Session.Info.image_width), int(Session.Info.image_height));
  Session.Info.mem->max_memory_to_use = static_cast<long>(Limits.MaxBytes);
  if (!ChooseScale(&Session, Cover))
    throw fail("cannot be read");
  QImage image(int(Session.Info.output_width), int(Session.Info.output_height),
               QImage::Format_RGB32);
  if (image.isNull())
    throw EImageError(QCoreApplication::translate(
        "JpegImage", "There is not enough memory for the JPEG picture."));
  if (!ReadPixels(&Session, image.bits(), image.bytesPerLine()))
    throw fail(QT_TRANSLATE_NOOP("JpegImage", "The JPEG picture is damaged."));
  if (Session.Errors.RowsMadeUp)
    throw fail(QT_TRANSLATE_NOOP("JpegImage", "The JPEG picture is damaged or incomplete."));
  if (Session.Info.out_color_space == JCS_CMYK)
    InksToRgb(image, Session.Info.saw_Adobe_marker);
  return image;
}

} // namespace

QImage DecodeJpeg(const QByteArray& Data, const TImageLimits& Limits, QSize Cover,
                  QSize* WholeSize) {
  if (Data.isEmpty())
    throw EImageError(QCoreApplication::translate("JpegImage", "The JPEG picture is empty."));
  TJpegSession session{};
  session.Info.err = jpeg_std_error(&session.Errors.Base);
  session.Errors.Base.error_exit = OnErrorExit;
  session.Errors.Base.emit_message = OnEmitMessage;
  session.Progress.progress_monitor = OnProgress;
  session.Errors.Limits = &Limits;
  if (!CreateDecoder(&session))
    throw EImageError(
        QCoreApplication::translate("JpegImage", "The JPEG decoder cannot be started."));
  session.Info.progress = &session.Progress;
  try {
    QImage image = DecodeInSession(session, Data, Limits, Cover, WholeSize);
    jpeg_destroy_decompress(&session.Info);
    return image;
  } catch (...) {
    jpeg_destroy_decompress(&session.Info);
    throw;
  }
}
