// The files beside the archive: the sounds, the cursors, the builder strips, and the
// generator's reproducibility.
#include "SkinArtTest.h"

#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct TWave {
  int Format = 0;
  int Channels = 0;
  int Rate = 0;
  int Bits = 0;
  std::vector<qint16> Samples;
};

// A minimal RIFF reader: walks the chunks, takes "fmt " and "data".
bool ParseWave(const QByteArray& Bytes, TWave& Wave) {
  if (Bytes.size() < 12 || !Bytes.startsWith("RIFF") || Bytes.mid(8, 4) != "WAVE")
    return false;
  if (qFromLittleEndian<quint32>(Bytes.constData() + 4) != quint32(Bytes.size() - 8))
    return false;
  qsizetype at = 12;
  bool haveFormat = false;
  while (at + 8 <= Bytes.size()) {
    const QByteArray id = Bytes.mid(at, 4);
    const quint32 size = qFromLittleEndian<quint32>(Bytes.constData() + at + 4);
    const char* body = Bytes.constData() + at + 8;
    if (at + 8 + qsizetype(size) > Bytes.size())
      return false;
    if (id == "fmt " && size >= 16) {
      Wave.Format = qFromLittleEndian<quint16>(body);
      Wave.Channels = qFromLittleEndian<quint16>(body + 2);
      Wave.Rate = int(qFromLittleEndian<quint32>(body + 4));
      Wave.Bits = qFromLittleEndian<quint16>(body + 14);
      haveFormat = true;
    } else if (id == "data") {
      for (quint32 i = 0; i + 1 < size; i += 2)
        Wave.Samples.push_back(qFromLittleEndian<qint16>(body + i));
    }
    at += 8 + size + (size & 1);
  }
  return haveFormat && !Wave.Samples.empty();
}

void ExpectGentleSound(const QString& Name) {
  TWave wave;
  ASSERT_TRUE(ParseWave(testsupport::ReadFileBytes(testsupport::ProgramDir() + "/" + Name), wave))
      << qPrintable(Name);
  EXPECT_EQ(wave.Format, 1);
  EXPECT_EQ(wave.Channels, 1);
  EXPECT_EQ(wave.Bits, 16);
  EXPECT_TRUE(wave.Rate == 22050 || wave.Rate == 44100);
  const double seconds = double(wave.Samples.size()) / wave.Rate;
  EXPECT_GT(seconds, 0.15) << qPrintable(Name);
  EXPECT_LT(seconds, 0.9) << qPrintable(Name);
  int peak = 0;
  for (qint16 s : wave.Samples)
    peak = std::max(peak, std::abs(int(s)));
  EXPECT_GT(peak, 32767 * 0.2) << "too quiet: " << qPrintable(Name);
  EXPECT_LT(peak, 32767 * 0.98) << "clipped: " << qPrintable(Name);
  // No click: the sound starts and ends at silence and rises over a few samples.
  EXPECT_LT(std::abs(int(wave.Samples.front())), 200);
  EXPECT_LT(std::abs(int(wave.Samples.back())), 200);
  for (int i = 0; i < 8; ++i)
    EXPECT_LT(std::abs(int(wave.Samples[i])), peak / 4) << "abrupt start of " << qPrintable(Name);
}

QString ResourceFile(const char* Name) {
  return QStringLiteral(TESSELO_GENERATED_RESOURCES "/") + QLatin1String(Name);
}

} // namespace

TEST(SkinSounds, GoodAndBadAreShortGentle16BitPcm) {
  ExpectGentleSound("good.wav");
  ExpectGentleSound("bad.wav");
}

TEST(SkinSounds, TheMatchSoundIsBrighterThanTheMissSound) {
  // Zero crossings per second measure the pitch well enough to tell a chime from a low tone.
  auto crossings = [](const QString& Name) {
    TWave wave;
    EXPECT_TRUE(
        ParseWave(testsupport::ReadFileBytes(testsupport::ProgramDir() + "/" + Name), wave));
    int n = 0;
    for (std::size_t i = 1; i < wave.Samples.size(); ++i)
      n += (wave.Samples[i - 1] < 0) != (wave.Samples[i] < 0);
    return wave.Samples.empty() ? 0.0 : n * double(wave.Rate) / double(wave.Samples.size());
  };
  EXPECT_GT(crossings("good.wav"), 4 * crossings("bad.wav"));
}

TEST(SkinCursors, AreMonochromeHandsWithTheHotSpotOnTheHand) {
  const QPoint hotSpot = skinlayout::cursors::HotSpot;
  for (const char* name : {"crhmove.png", "crhpoint.png"}) {
    const QImage cursor(ResourceFile(name));
    ASSERT_EQ(cursor.size(), skinlayout::cursors::Size) << name;
    ASSERT_TRUE(cursor.hasAlphaChannel()) << name;
    int black = 0, white = 0;
    for (int y = 0; y < cursor.height(); ++y)
      for (int x = 0; x < cursor.width(); ++x) {
        const QRgb p = cursor.pixel(x, y);
        if (qAlpha(p) == 0)
          continue;
        ASSERT_EQ(qAlpha(p), 255) << name << " half-transparent at " << x << "," << y;
        ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255))
            << name << " grey at " << x << "," << y;
        (qRed(p) ? white : black)++;
      }
    EXPECT_GT(black, 40) << name;
    EXPECT_GT(white, 80) << name;
    EXPECT_EQ(qAlpha(cursor.pixel(hotSpot)), 255) << name << ": hot spot off the hand";
  }
  // The pointing hand's hot spot is its fingertip: open above, hand below.
  const QImage point(ResourceFile("crhpoint.png"));
  EXPECT_EQ(qAlpha(point.pixel(hotSpot - QPoint(0, 3))), 0);
  EXPECT_EQ(point.pixel(hotSpot + QPoint(0, 2)), qRgb(255, 255, 255));
}

TEST(SkinBuilderStrips, FitTheirPlacesAndCarryLettering) {
  const struct {
    const char* Name;
    QSize Size;
  } strips[] = {{"dkwrbtn-options.png", skinlayout::options::BuilderStrip.size()},
                {"dkwrbtn-score.png", skinlayout::score::BuilderStrip.size()}};
  for (const auto& strip : strips) {
    const QImage image(ResourceFile(strip.Name));
    ASSERT_EQ(image.size(), strip.Size) << strip.Name;
    int light = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        light += skintest::Luma(image.pixel(x, y)) > 160;
    EXPECT_GT(light, 150) << strip.Name;
  }
}

TEST(SkinGenerator, TwoRunsGiveIdenticalBytes) {
  QTemporaryDir first;
  QTemporaryDir second;
  ASSERT_TRUE(first.isValid() && second.isValid());
  for (const QTemporaryDir* dir : {&first, &second}) {
    QProcess run;
    run.start(QStringLiteral(TESSELO_SKINMAKER),
              {"--program", dir->path() + "/program", "--resources", dir->path() + "/resources"});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardError().constData();
  }
  const QStringList files = {
      "program/tesselo.dat",         "program/good.wav",       "program/bad.wav",
      "resources/crhmove.png",       "resources/crhpoint.png", "resources/dkwrbtn-options.png",
      "resources/dkwrbtn-score.png", "resources/tesselo.png"};
  for (const QString& file : files) {
    const QByteArray a = testsupport::ReadFileBytes(first.path() + "/" + file);
    ASSERT_FALSE(a.isEmpty()) << qPrintable(file);
    EXPECT_EQ(a, testsupport::ReadFileBytes(second.path() + "/" + file)) << qPrintable(file);
  }
  // The build's own archive came from the same generator.
  EXPECT_EQ(testsupport::ReadFileBytes(first.path() + "/program/tesselo.dat"),
            testsupport::ReadFileBytes(skintest::ArchivePath()));
}

TEST(SkinGenerator, RejectsUnknownOptions) {
  QProcess run;
  run.start(QStringLiteral(TESSELO_SKINMAKER), {"--nonsense", "x"});
  ASSERT_TRUE(run.waitForFinished(60000));
  EXPECT_NE(run.exitCode(), 0);
}
