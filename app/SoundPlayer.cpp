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

void TSoundPlayer::Open(const QString& AppDir, bool DeviceAvailable) {
  FSoundReady = false;
  FGood.reset();
  FBad.reset();
  const QString good = AppDir + QStringLiteral("good.wav");
  const QString bad = AppDir + QStringLiteral("bad.wav");
  if (!DeviceAvailable || !QFileInfo(good).isFile() || !QFileInfo(bad).isFile())
    return;
  try {
    FGood = std::make_unique<QSoundEffect>();
    FBad = std::make_unique<QSoundEffect>();
    FGood->setSource(QUrl::fromLocalFile(good));
    FBad->setSource(QUrl::fromLocalFile(bad));
    FSoundReady = true;
  } catch (const std::exception&) {
    FGood.reset();
    FBad.reset();
  }
}

bool TSoundPlayer::Play(GameSound Sound) {
  if (!FSoundReady)
    return false;
  QSoundEffect& effect = Sound == GameSound::Match ? *FGood : *FBad;
  // A sound still playing starts over, as a new pair deserves its own sound.
  effect.stop();
  effect.play();
  return true;
}
