// Clips of words spoken by the system's speech synthesiser (espeak-ng), for the sound cards of
// the shipped sets.
#pragma once

#include <QByteArray>
#include <QString>

// Word spoken by Voice (an espeak-ng voice: en, de, fr, es) as a WAV file's bytes, 22050 Hz
// mono PCM. Raises std::runtime_error naming the word when espeak-ng is not installed, fails,
// or takes longer than a few seconds.
QByteArray SpeakWord(const QString& Voice, const QString& Word);
