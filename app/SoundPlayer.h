// The match and miss sounds ("good.wav", "bad.wav" beside the program), played without
// waiting. Without either file, or without an audio output, the game is silent.
//
// Starting the sound system takes long, so Open only notes what to play; the sounds are
// loaded by Load, which the window calls once it is on screen, or by the first Play.
#pragma once

#include "GameView.h"

#include <QString>

#include <memory>
#include <optional>

class QSoundEffect;

class TSoundPlayer {
public:
  TSoundPlayer();
  ~TSoundPlayer();
  TSoundPlayer(const TSoundPlayer&) = delete;
  TSoundPlayer& operator=(const TSoundPlayer&) = delete;

  // Notes AppDir + "good.wav" and AppDir + "bad.wav", and whether sound can be heard; when
  // DeviceAvailable is not given, the system is asked the first time it matters. Drops the
  // sounds of an earlier Open. Nothing here ever reports an error.
  void Open(const QString& AppDir, std::optional<bool> DeviceAvailable);
  // True only when both files exist and sound can be heard.
  bool SoundReady() const;
  // Loads both sounds once, when SoundReady; later calls do nothing.
  void Load();

  // Plays the sound from its beginning when SoundReady, loading the sounds first when that
  // was not done yet (a sound still loading plays as soon as it is loaded); true when it was
  // started.
  bool Play(GameSound Sound);

  // Whether the system has any audio output to play to.
  static bool AudioOutputAvailable();

private:
  QString FGoodFile;
  QString FBadFile;
  bool FFilesFound = false;
  // Asked of the system on first need, which starts its sound service.
  mutable std::optional<bool> FDevice;
  std::unique_ptr<QSoundEffect> FGood; // MediaPlayer1
  std::unique_ptr<QSoundEffect> FBad;  // MediaPlayer2
};
