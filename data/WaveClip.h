// The sound clips of a set's sound cards: short PCM WAV files, checked from their RIFF header
// before anything plays them.
#pragma once

#include <QByteArray>

#include <stdexcept>

// A clip that cannot be played; the text is one sentence fit for the player.
class EWaveClipError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TWaveClip {
  static constexpr qint64 MaxDurationMs = 10000;
  static constexpr int MinRate = 8000;
  static constexpr int MaxRate = 48000;
  // Ten seconds at the highest rate, two channels of 16 bits, and room for other chunks.
  static constexpr qsizetype MaxBytes = 2 * 1024 * 1024;

  int Channels = 0;
  int Rate = 0; // frames per second
  int Bits = 0; // per sample: 8 or 16
  qsizetype DataOffset = 0;
  qsizetype DataSize = 0; // whole frames only
  qint64 DurationMs() const;
};

// Reads the header of the WAV file Bytes: a RIFF/WAVE file of uncompressed PCM, 1 or 2
// channels of 8 or 16 bits at MinRate..MaxRate, whose sample data lies within Bytes and lasts
// at most MaxDurationMs. Raises EWaveClipError otherwise, and for more than MaxBytes.
TWaveClip ReadWaveClip(const QByteArray& Bytes);
