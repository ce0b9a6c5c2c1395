#include "ImageLimits.h"

#include <QCoreApplication>

void TImageLimits::CheckSize(qint64 Width, qint64 Height, const char* What) const {
  const QString what = QString::fromLatin1(What);
  if (Width < 1 || Height < 1)
    throw EImageError(
        QCoreApplication::translate("ImageLimits", "The %1 picture has no size.").arg(what));
  if (Width > MaxWidth || Height > MaxHeight)
    throw EImageError(
        QCoreApplication::translate(
            "ImageLimits", "The %1 picture is too large (%2 x %3 pixels; at most %4 x %5).")
            .arg(what)
            .arg(Width)
            .arg(Height)
            .arg(MaxWidth)
            .arg(MaxHeight));
  if (Width * Height * 4 > MaxBytes)
    throw EImageError(
        QCoreApplication::translate("ImageLimits",
                                    "The %1 picture needs more memory than a card face may use.")
            .arg(what));
}

bool TImageLimits::Stopping() const {
  // The clock is read only when a deadline was set: this runs once a row.
  return Stop.stop_requested() || (Deadline != std::chrono::steady_clock::time_point::max() &&
                                   std::chrono::steady_clock::now() > Deadline);
}

void TImageLimits::CheckGoingOn() const {
  if (Stopping())
    throw EImageStopped(
        QCoreApplication::translate("ImageLimits", "Reading the picture was stopped."));
}
