#include "SoundPlayer.h"

#include "SoundEffects.h"
#include "WaveClip.h"

#include <QFileInfo>
#include <QLibrary>

#include <exception>

TSoundPlayer::TSoundPlayer() = default;
TSoundPlayer::~TSoundPlayer() = default;

void TSoundPlayer::Open(const QString& AppDir, std::optional<bool> DeviceAvailable) {
  FEffects.reset();
  FModuleTried = false;
  FLoaded = false;
  FGoodFile = AppDir + QStringLiteral("good.wav");
  FBadFile = AppDir + QStringLiteral("bad.wav");
  FModuleFile = AppDir + QStringLiteral(TESSELO_SOUND_MODULE);
  FFilesFound = QFileInfo(FGoodFile).isFile() && QFileInfo(FBadFile).isFile();
  FDevice = DeviceAvailable;
}

bool TSoundPlayer::OpenModule() {
  if (!FModuleTried) {
    FModuleTried = true;
    // Never unloaded: Qt Multimedia keeps threads and plugins of its own once started.
    QLibrary module(FModuleFile);
    const auto create =
        reinterpret_cast<TCreateSoundEffects>(module.resolve(CreateSoundEffectsName));
    if (create != nullptr)
      FEffects.reset(create(SoundEffectsVersion));
  }
  return FEffects != nullptr;
}

bool TSoundPlayer::SoundReady() {
  // Without both files the module is not even opened.
  if (!FFilesFound || !OpenModule())
    return false;
  if (!FDevice.has_value())
    FDevice = FEffects->OutputAvailable();
  return *FDevice;
}

void TSoundPlayer::Load() {
  if (FLoaded || !SoundReady())
    return;
  try {
    FEffects->Load(FGoodFile, FBadFile);
    FLoaded = true;
  } catch (const std::exception&) {
    // The game stays silent for the rest of the run.
    FFilesFound = false;
  }
}

bool TSoundPlayer::Play(GameSound Sound) {
  Load();
  if (!FLoaded)
    return false;
  // A sound still playing starts over, as a new pair deserves its own sound.
  FEffects->Play(Sound);
  return true;
}

bool TSoundPlayer::PlayClip(const QByteArray& Clip) {
  if (!SoundReady())
    return false;
  try {
    const TWaveClip wave = ReadWaveClip(Clip);
    FEffects->PlayClip(Clip.mid(wave.DataOffset, wave.DataSize), wave.Rate, wave.Channels,
                       wave.Bits);
  } catch (const EWaveClipError&) {
    return false;
  }
  return true;
}

bool TSoundPlayer::Playing(GameSound Sound) const {
  return FLoaded && FEffects->Playing(Sound);
}
