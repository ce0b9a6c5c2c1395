#include "SoundSynth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

void PutU32(QByteArray& Out, quint32 Value) {
  char bytes[4];
  qToLittleEndian(Value, bytes);
  Out.append(bytes, 4);
}

void PutU16(QByteArray& Out, quint16 Value) {
  char bytes[2];
  qToLittleEndian(Value, bytes);
  Out.append(bytes, 2);
}

// A bell-like note: a sine with a few inharmonic partials, a short linear attack and an
// exponential decay, added into Samples from Start seconds on.
void AddBell(std::vector<double>& Samples, double Start, double Frequency, double Gain,
             double Decay) {
  const double partials[][2] = {{1.0, 1.0}, {2.01, 0.36}, {3.0, 0.12}, {4.2, 0.06}};
  const double attack = 0.004;
  const std::size_t first = std::size_t(Start * SampleRate);
  for (std::size_t i = first; i < Samples.size(); ++i) {
    const double t = double(i - first) / SampleRate;
    const double envelope = std::min(1.0, t / attack) * std::exp(-t / Decay);
    double value = 0;
    for (const auto& partial : partials)
      value += partial[1] * std::sin(2 * M_PI * Frequency * partial[0] * t) *
               std::exp(-t * partial[0] * 1.5);
    Samples[i] += Gain * envelope * value;
  }
}

// Every sound ends in a short fade to exact silence, so the last sample is zero.
void FadeOut(std::vector<double>& Samples, double Seconds) {
  const std::size_t length = std::size_t(Seconds * SampleRate);
  const std::size_t n = Samples.size();
  for (std::size_t i = 0; i < length && i < n; ++i)
    Samples[n - 1 - i] *= double(i) / double(length);
}

} // namespace

QByteArray WaveFile(const std::vector<double>& Samples, int Rate) {
  const quint32 dataBytes = quint32(Samples.size() * 2);
  QByteArray out;
  out.append("RIFF");
  PutU32(out, 36 + dataBytes);
  out.append("WAVE");
  out.append("fmt ");
  PutU32(out, 16);
  PutU16(out, 1); // PCM
  PutU16(out, 1); // mono
  PutU32(out, quint32(Rate));
  PutU32(out, quint32(Rate) * 2);
  PutU16(out, 2);
  PutU16(out, 16);
  out.append("data");
  PutU32(out, dataBytes);
  for (double sample : Samples) {
    const double clipped = std::clamp(sample, -1.0, 1.0);
    PutU16(out, quint16(qint16(std::lround(clipped * 32767))));
  }
  return out;
}

QByteArray GoodSound() {
  std::vector<double> samples(std::size_t(0.55 * SampleRate), 0.0);
  AddBell(samples, 0.0, 1046.5, 0.32, 0.16);   // C6
  AddBell(samples, 0.075, 1568.0, 0.30, 0.20); // G6
  FadeOut(samples, 0.05);
  return WaveFile(samples, SampleRate);
}

QByteArray BadSound() {
  const double seconds = 0.42;
  std::vector<double> samples(std::size_t(seconds * SampleRate), 0.0);
  double phase = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double t = double(i) / SampleRate;
    // Falls from G3 towards D3: a gentle "no".
    const double frequency = 196.0 - 49.0 * (t / seconds);
    phase += 2 * M_PI * frequency / SampleRate;
    const double attack = std::min(1.0, t / 0.03);
    const double envelope = attack * std::exp(-t / 0.16);
    const double tone = std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase);
    samples[i] = 0.42 * envelope * tone;
  }
  FadeOut(samples, 0.06);
  return WaveFile(samples, SampleRate);
}

} // namespace skinart
