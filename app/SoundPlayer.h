// The match and miss sounds ("good.wav", "bad.wav" beside the program), played without
// waiting. Without either file, or without an audio output, the game is silent.
#pragma once

#include "GameView.h"

#include <QString>

#include <memory>

class QSoundEffect;

class TSoundPlayer {
public:
  TSoundPlayer();
  ~TSoundPlayer();
  TSoundPlayer(const TSoundPlayer&) = delete;
  TSoundPlayer& operator=(const TSoundPlayer&) = delete;

  // Opens AppDir + "good.wav" and AppDir + "bad.wav". SoundReady becomes true only when both
  // files exist and DeviceAvailable; nothing here ever reports an error.
  void Open(const QString& AppDir, bool DeviceAvailable);
  bool SoundReady() const { return FSoundReady; }

  // Plays the sound from its beginning when SoundReady; true when it was started.
  bool Play(GameSound Sound);

  // Whether the system has any audio output to play to.
  static bool AudioOutputAvailable();

private:
  std::unique_ptr<QSoundEffect> FGood; // MediaPlayer1
  std::unique_ptr<QSoundEffect> FBad;  // MediaPlayer2
  bool FSoundReady = false;
};
