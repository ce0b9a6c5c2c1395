// The sound module: the match and miss sounds played with Qt Multimedia, behind ISoundEffects.
#include "SoundEffects.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

class TSoundEffects : public ISoundEffects {
public:
  bool OutputAvailable() override { return !QMediaDevices::audioOutputs().isEmpty(); }

  void Load(const QString& MatchFile, const QString& MissFile) override {
    FMatch = std::make_unique<QSoundEffect>(); // MediaPlayer1
    FMiss = std::make_unique<QSoundEffect>();  // MediaPlayer2
    FMatch->setSource(QUrl::fromLocalFile(MatchFile));
    FMiss->setSource(QUrl::fromLocalFile(MissFile));
  }

  void Play(GameSound Sound) override {
    QSoundEffect* effect = Effect(Sound);
    if (effect == nullptr)
      return;
    effect->stop();
    effect->play();
  }

  bool Playing(GameSound Sound) const override {
    const QSoundEffect* effect = Effect(Sound);
    return effect != nullptr && effect->isPlaying();
  }

  void PlayClip(const QByteArray& Samples, int Rate, int Channels, int Bits) override {
    FClip.reset();
    FClipData.close();
    QAudioFormat format;
    format.setSampleRate(Rate);
    format.setChannelCount(Channels);
    format.setSampleFormat(Bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
      return;
    FClipData.setData(Samples);
    FClipData.open(QIODevice::ReadOnly);
    FClip = std::make_unique<QAudioSink>(device, format);
    FClip->start(&FClipData);
  }

private:
  QSoundEffect* Effect(GameSound Sound) const {
    return Sound == GameSound::Match ? FMatch.get() : FMiss.get();
  }

  std::unique_ptr<QSoundEffect> FMatch;
  std::unique_ptr<QSoundEffect> FMiss;
  QBuffer FClipData;
  std::unique_ptr<QAudioSink> FClip; // stopped before FClipData goes
};

} // namespace

extern "C" Q_DECL_EXPORT ISoundEffects* TesseloCreateSoundEffects(int Version) {
  if (Version != SoundEffectsVersion)
    return nullptr;
  return new TSoundEffects;
}
