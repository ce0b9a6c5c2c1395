#include "WaveClip.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

[[noreturn]] void Fail(const char* Problem) {
  throw EWaveClipError(QCoreApplication::translate("WaveClip", Problem).toStdString());
}

quint32 Le32(const QByteArray& Bytes, qsizetype At) {
  return qFromLittleEndian<quint32>(Bytes.constData() + At);
}

quint16 Le16(const QByteArray& Bytes, qsizetype At) {
  return qFromLittleEndian<quint16>(Bytes.constData() + At);
}

constexpr qsizetype ChunkHead = 8;
constexpr qsizetype FormatSize = 16;
constexpr quint16 PcmFormat = 1;

void ReadFormat(const QByteArray& Bytes, qsizetype At, quint32 Size, TWaveClip& Clip) {
  if (Size < FormatSize)
    Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound format is cut short."));
  if (Le16(Bytes, At) != PcmFormat)
    Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound is not uncompressed PCM."));
  Clip.Channels = Le16(Bytes, At + 2);
  const quint32 rate = Le32(Bytes, At + 4);
  Clip.Bits = Le16(Bytes, At + 14);
  if (Clip.Channels < 1 || Clip.Channels > 2 || (Clip.Bits != 8 && Clip.Bits != 16) ||
      rate < quint32(TWaveClip::MinRate) || rate > quint32(TWaveClip::MaxRate))
    Fail(QT_TRANSLATE_NOOP("WaveClip",
                           "Its sound is not 1 or 2 channels of 8 or 16 bits at 8 to 48 kHz."));
  Clip.Rate = int(rate);
}

} // namespace

qint64 TWaveClip::DurationMs() const {
  const qint64 frameBytes = qint64(Channels) * (Bits / 8);
  return frameBytes <= 0 || Rate <= 0 ? 0 : DataSize / frameBytes * 1000 / Rate;
}

TWaveClip ReadWaveClip(const QByteArray& Bytes) {
  if (Bytes.size() > TWaveClip::MaxBytes)
    Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound file is larger than 2 MiB."));
  if (Bytes.size() < 12 || !Bytes.startsWith("RIFF") || Bytes.mid(8, 4) != "WAVE")
    Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound is not a WAV file."));
  TWaveClip clip;
  // Chunks are walked in order; each step moves forward, so the walk ends within the bytes.
  for (qsizetype at = 12; at + ChunkHead <= Bytes.size();) {
    const QByteArray id = Bytes.mid(at, 4);
    const quint32 size = Le32(Bytes, at + 4);
    const qsizetype body = at + ChunkHead;
    if (size > quint64(Bytes.size() - body))
      Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound file is cut short."));
    if (id == "fmt ") {
      ReadFormat(Bytes, body, size, clip);
    } else if (id == "data") {
      if (clip.Rate == 0)
        Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound data comes before its format."));
      const qsizetype frame = qsizetype(clip.Channels) * (clip.Bits / 8);
      clip.DataOffset = body;
      clip.DataSize = qsizetype(size) / frame * frame;
      if (qint64(clip.DataSize / frame) * 1000 > TWaveClip::MaxDurationMs * clip.Rate)
        Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound lasts longer than 10 seconds."));
      if (clip.DataSize == 0)
        Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound is silent: it has no samples."));
      return clip;
    }
    // Chunks are padded to an even size.
    at = body + qsizetype(size) + (size & 1);
  }
  Fail(QT_TRANSLATE_NOOP("WaveClip", "Its sound file has no sound data."));
}
