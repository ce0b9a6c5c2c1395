// The match and miss sounds ("good.wav", "bad.wav" beside the program), played without
// waiting. Without either file, without the sound module beside the program, or without an
// audio output, the game is silent.
//
// The sounds are played by the sound module (SoundEffects.h), which this player opens at run
// time: Open only notes what to play, and the module is opened and the sounds are loaded by
// Load, which the window calls once it is on screen, or by the first Play or SoundReady. The
// module stays loaded for the rest of the run.
#pragma once

#include "GameView.h"

#include <QString>

#include <memory>
#include <optional>

class ISoundEffects;

class TSoundPlayer {
public:
  TSoundPlayer();
  ~TSoundPlayer();
  TSoundPlayer(const TSoundPlayer&) = delete;
  TSoundPlayer& operator=(const TSoundPlayer&) = delete;

  // Notes AppDir + "good.wav" and AppDir + "bad.wav", the sound module in AppDir, and whether
  // sound can be heard; when DeviceAvailable is not given, the system is asked the first time
  // it matters. Drops the sounds of an earlier Open. Nothing here ever reports an error.
  void Open(const QString& AppDir, std::optional<bool> DeviceAvailable);
  // True only when both files exist, the module opens and sound can be heard.
  bool SoundReady();
  // Loads both sounds once, when SoundReady; later calls do nothing.
  void Load();

  // Plays the sound from its beginning when SoundReady, loading the sounds first when that
  // was not done yet (a sound still loading plays as soon as it is loaded); true when it was
  // started.
  bool Play(GameSound Sound);
  // Plays the WAV file Clip (see ReadWaveClip) when SoundReady, without waiting; a clip still
  // playing stops. True when it was started; a clip that cannot be played gives false.
  bool PlayClip(const QByteArray& Clip);
  // Whether Sound is playing now.
  bool Playing(GameSound Sound) const;

private:
  // Opens the module once; false when it is missing or cannot make the sounds.
  bool OpenModule();

  QString FGoodFile;
  QString FBadFile;
  QString FModuleFile;
  bool FFilesFound = false;
  bool FModuleTried = false;
  bool FLoaded = false;
  // Asked of the system on first need, which starts its sound service.
  std::optional<bool> FDevice;
  std::unique_ptr<ISoundEffects> FEffects;
};
