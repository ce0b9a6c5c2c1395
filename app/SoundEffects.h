// The seam between the game and its sound module: the match and miss sounds as the module plays
// them.
//
// The module is a shared library installed beside the game (its file name is the build's
// TESSELO_SOUND_MODULE). It carries Qt Multimedia and what that brings in (PulseAudio, codecs,
// Qt Network), which cost milliseconds before main() when linked to the game, so the game opens
// it at run time once its window is on screen (TSoundPlayer), and is silent without it.
#pragma once

#include "GameView.h"

#include <QByteArray>
#include <QString>

class ISoundEffects {
public:
  virtual ~ISoundEffects() = default;

  // Whether the system has an audio output to play to. Asking starts its sound service.
  virtual bool OutputAvailable() = 0;
  // Loads the two sounds from their files, without waiting for them; a sound played before it
  // is loaded plays once it is. Drops sounds loaded before.
  virtual void Load(const QString& MatchFile, const QString& MissFile) = 0;
  // Plays Sound from its beginning, without waiting; one still playing starts over.
  virtual void Play(GameSound Sound) = 0;
  // Whether Sound is playing (or waiting to play once loaded).
  virtual bool Playing(GameSound Sound) const = 0;
  // Plays Samples, interleaved PCM of Channels channels of Bits (8 unsigned, 16 signed) at
  // Rate frames a second, without waiting; a clip still playing stops.
  virtual void PlayClip(const QByteArray& Samples, int Rate, int Channels, int Bits) = 0;
};

// The module's one exported function: makes the effects when Version is the version the module
// was built for, and returns null otherwise (a module left from another build). The caller owns
// the result and destroys it before the application object goes.
using TCreateSoundEffects = ISoundEffects* (*)(int Version);
inline constexpr char CreateSoundEffectsName[] = "TesseloCreateSoundEffects";
inline constexpr int SoundEffectsVersion = 2;
