#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <exception>

TSoundPlayer::TSoundPlayer() = default;
TSoundPlayer::~TSoundPlayer() = default;

bool TSoundPlayer::AudioOutputAvailable() {
  return !QMediaDevices::audioOutputs().isEmpty();
}

void TSoundPlayer::Open(const QString& AppDir, std::optional<bool> DeviceAvailable) {
  FGood.reset();
  FBad.reset();
  FGoodFile = AppDir + QStringLiteral("good.wav");
  FBadFile = AppDir + QStringLiteral("bad.wav");
  FFilesFound = QFileInfo(FGoodFile).isFile() && QFileInfo(FBadFile).isFile();
  FDevice = DeviceAvailable;
}

bool TSoundPlayer::SoundReady() const {
  if (!FFilesFound)
    return false;
  if (!FDevice.has_value())
    FDevice = AudioOutputAvailable();
  return *FDevice;
}

void TSoundPlayer::Load() {
  if (FGood != nullptr || !SoundReady())
    return;
  try {
    auto good = std::make_unique<QSoundEffect>();
    auto bad = std::make_unique<QSoundEffect>();
    good->setSource(QUrl::fromLocalFile(FGoodFile));
    bad->setSource(QUrl::fromLocalFile(FBadFile));
    FGood = std::move(good);
    FBad = std::move(bad);
  } catch (const std::exception&) {
    // The game stays silent for the rest of the run.
    FFilesFound = false;
  }
}

bool TSoundPlayer::Play(GameSound Sound) {
  Load();
  if (FGood == nullptr)
    return false;
  QSoundEffect& effect = Sound == GameSound::Match ? *FGood : *FBad;
  // A sound still playing starts over, as a new pair deserves its own sound.
  effect.stop();
  effect.play();
  return true;
}
