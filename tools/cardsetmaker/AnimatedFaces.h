// The twelve looping animations of the "Animations" set, painted frame by frame.
#pragma once

#include "GifEncoder.h"

#include <QList>
#include <QSize>
#include <QString>

inline constexpr QSize AnimationSize{120, 90};

struct TAnimation {
  QString Name;
  QList<TGifSourceFrame> Frames; // the last frame leads smoothly back into the first
};

// Star, ball, owl, boat, planet, heart, fish, sun, leaf, flag, frog and clock.
QList<TAnimation> DrawAnimations();
