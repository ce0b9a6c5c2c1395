#include "ImageLimits.h"

void TImageLimits::CheckSize(qint64 Width, qint64 Height, const char* What) const {
  const std::string what(What);
  if (Width < 1 || Height < 1)
    throw EImageError("The " + what + " picture has no size.");
  if (Width > MaxWidth || Height > MaxHeight)
    throw EImageError("The " + what + " picture is too large (" + std::to_string(Width) + " x " +
                      std::to_string(Height) + " pixels; at most " + std::to_string(MaxWidth) +
                      " x " + std::to_string(MaxHeight) + ").");
  if (Width * Height * 4 > MaxBytes)
    throw EImageError("The " + what + " picture needs more memory than a card face may use.");
}
