// The match and miss sounds, synthesised: 16-bit PCM mono WAV files, well under a second, with
// soft attacks and decays so they never click.
#pragma once

#include <QByteArray>

#include <vector>

namespace skinart {

inline constexpr int SampleRate = 44100;

// "good.wav": a bright two-note chime rising a fifth.
QByteArray GoodSound();
// "bad.wav": a soft, low, falling tone.
QByteArray BadSound();

// A complete RIFF/WAVE file holding Samples (-1..1, clipped) as 16-bit mono PCM.
QByteArray WaveFile(const std::vector<double>& Samples, int Rate);

} // namespace skinart
