// Bounds on decoding a picture from a card set, and the error every decoder raises.
#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <stdexcept>
#include <stop_token>
#include <string>

// A picture that cannot be decoded (damaged, truncated, of another format, or past the
// bounds below). Its text is a complete sentence fit for a message box.
class EImageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
  explicit EImageError(const QString& Text) : std::runtime_error(Text.toStdString()) {}
};

// A decode given up because nobody waits for it any more (see TImageLimits::Stop).
class EImageStopped : public EImageError {
public:
  using EImageError::EImageError;
};

// The bounds a decoder checks before it allocates anything for a picture. The defaults are
// the program's; tests narrow them to reach the edges cheaply.
struct TImageLimits {
  // The largest width and height of a picture, in pixels.
  static constexpr int MaxSide = 8192;
  // The most bytes one decoded picture may take, all frames of an animation together
  // (one 8192 x 8192 picture at 4 bytes a pixel).
  static constexpr qint64 MaxDecodedBytes = qint64(MaxSide) * MaxSide * 4;
  // The most frames of one animated GIF.
  static constexpr int MaxGifFrames = 1000;
  // The most scans of one progressive JPEG. Each scan is a full pass over the picture, so a
  // crafted file of many tiny scans would keep the decoder busy for minutes.
  static constexpr int MaxJpegScans = 1000;
  // The most bytes the faces of one game may hold together: decoded JPEG and BMP pictures at
  // the size they are kept (made for their cells when the cells are known), and GIF faces as
  // the encoded bytes kept for playing. Each face alone stays within the bounds above, but 60
  // of them would not stay within any memory a game can count on.
  static constexpr qint64 MaxGameFaceBytes = qint64(1024) * 1024 * 1024;

  int MaxWidth = MaxSide;
  int MaxHeight = MaxSide;
  qint64 MaxBytes = MaxDecodedBytes;
  int MaxFrames = MaxGifFrames;
  qint64 MaxGameBytes = MaxGameFaceBytes;
  // A decode stops between rows once a stop is requested through Stop or Deadline passes, so a
  // crafted picture that takes seconds cannot keep a closing window, or a passed deadline,
  // waiting for it.
  std::stop_token Stop;
  std::chrono::steady_clock::time_point Deadline = std::chrono::steady_clock::time_point::max();

  // Throws EImageError unless a Width x Height picture lies within the bounds (both sides at
  // least 1, at 4 bytes a pixel). What names the picture's format in the message.
  void CheckSize(qint64 Width, qint64 Height, const char* What) const;
  // Whether the decode is to stop; once true, it stays true.
  bool Stopping() const;
  // Throws EImageStopped when the decode is to stop.
  void CheckGoingOn() const;
};
