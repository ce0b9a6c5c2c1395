// Draws the game's skin archive, cursors, builder strips, icon and sounds.
//
//   tesselo_skinmaker --program DIR --resources DIR   the assets the game ships
//   tesselo_skinmaker --points DIR                    skin-points.env, the points the
//                                                     end-to-end checks click
//   tesselo_skinmaker --preview DIR                   pictures of whole windows, to look at
//   --languages de,fr,es --catalogues DIR             besides English, the skin archive
//                                                     (tesselo.de.dat) and builder strips
//                                                     (dkwrbtn-options.de.png) of each language,
//                                                     their captions from DIR/tesselo_de.qm
//
// Every run gives the same bytes, so the build is reproducible and the tests can compare runs.
// A caption that does not fit its place in some language fails the run, naming it.
#include "BuilderStripArt.h"
#include "Captions.h"
#include "CardArt.h"
#include "CursorArt.h"
#include "Materials.h"
#include "Ornaments.h"
#include "Preview.h"
#include "SkinArchive.h"
#include "SkinPoints.h"
#include "SoundSynth.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>
#include <functional>
#include <map>

namespace {

bool WriteFile(const QString& Path, const QByteArray& Bytes) {
  QSaveFile file(Path);
  // Unbuffered: a short write must fail before commit() renames the file into place.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
      file.write(Bytes) != Bytes.size() || !file.commit()) {
    std::fprintf(stderr, "tesselo_skinmaker: cannot write %s\n", qPrintable(Path));
    return false;
  }
  return true;
}

bool WritePng(const QString& Path, const QImage& Image) {
  // Quality 0 asks for the strongest compression; the pixels are the same.
  if (!Image.save(Path, "PNG", 0)) {
    std::fprintf(stderr, "tesselo_skinmaker: cannot write %s\n", qPrintable(Path));
    return false;
  }
  return true;
}

// The game's emblem: a face-down and a face-up card on a round of felt in a brass ring.
QImage AppIcon() {
  QImage icon(256, 256, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QImage felt(256, 256, QImage::Format_RGB32);
  skinart::PaintFelt(felt, QPoint(0, 0));
  QPainter painter(&icon);
  skinart::PreparePainter(painter);
  const QRectF disc(8, 8, 240, 240);
  painter.setPen(QPen(QColor(28, 16, 8), 2));
  painter.setBrush(skinart::BrassGradient(disc));
  painter.drawEllipse(disc);
  painter.setBrush(QBrush(felt));
  painter.setPen(QPen(QColor(0, 0, 0, 140), 2));
  painter.drawEllipse(disc.adjusted(12, 12, -12, -12));
  painter.translate(128, 140);
  painter.rotate(-14);
  skinart::DrawCardBack(painter, QRectF(-92, -78, 92, 130));
  painter.rotate(26);
  skinart::DrawCardFace(painter, QRectF(-14, -88, 92, 130), skinart::TMotif::Sun);
  return icon;
}

// The languages drawn besides English, and where their catalogues are.
struct TLanguages {
  QStringList Codes;
  QString Catalogues;
};

// "tesselo.dat" as Language names it: "tesselo.de.dat"; English keeps the name.
QString Named(const QString& Base, const QString& Extension, const QString& Language) {
  return Language.isEmpty() ? Base + Extension : Base + "." + Language + Extension;
}

// Draws with the catalogue of Language installed (none for English, the empty code).
bool InLanguage(const TLanguages& Languages, const QString& Language,
                const std::function<bool()>& Draw) {
  QTranslator catalogue;
  if (!Language.isEmpty()) {
    if (!catalogue.load("tesselo_" + Language, Languages.Catalogues)) {
      std::fprintf(stderr, "tesselo_skinmaker: cannot read the catalogue tesselo_%s.qm in %s\n",
                   qPrintable(Language), qPrintable(Languages.Catalogues));
      return false;
    }
    QCoreApplication::installTranslator(&catalogue);
  }
  try {
    const bool done = Draw();
    QCoreApplication::removeTranslator(&catalogue);
    return done;
  } catch (const skinart::ECaptionError& error) {
    QCoreApplication::removeTranslator(&catalogue);
    std::fprintf(stderr, "tesselo_skinmaker: %s (language %s)\n", error.what(),
                 Language.isEmpty() ? "en" : qPrintable(Language));
    return false;
  }
}

// Runs Draw for English and every other language.
bool InEveryLanguage(const TLanguages& Languages,
                     const std::function<bool(const QString& Language)>& Draw) {
  if (!InLanguage(Languages, QString(), [&] { return Draw(QString()); }))
    return false;
  for (const QString& code : Languages.Codes)
    if (!InLanguage(Languages, code, [&] { return Draw(code); }))
      return false;
  return true;
}

bool MakeProgramFiles(const QString& Dir, const TLanguages& Languages) {
  QDir().mkpath(Dir);
  return InEveryLanguage(Languages,
                         [&](const QString& Language) {
                           return WriteFile(Dir + "/" + Named("tesselo", ".dat", Language),
                                            skinart::PackSkin(skinart::SkinEntries()));
                         }) &&
         WriteFile(Dir + "/good.wav", skinart::GoodSound()) &&
         WriteFile(Dir + "/bad.wav", skinart::BadSound());
}

bool MakeResources(const QString& Dir, const TLanguages& Languages) {
  QDir().mkpath(Dir);
  return WritePng(Dir + "/crhmove.png", skinart::OpenHandCursor()) &&
         WritePng(Dir + "/crhpoint.png", skinart::PointingHandCursor()) &&
         InEveryLanguage(Languages,
                         [&](const QString& Language) {
                           return WritePng(Dir + "/" + Named("dkwrbtn-options", ".png", Language),
                                           skinart::OptionsBuilderStrip()) &&
                                  WritePng(Dir + "/" + Named("dkwrbtn-score", ".png", Language),
                                           skinart::ScoreBuilderStrip());
                         }) &&
         WritePng(Dir + "/tesselo.png", AppIcon());
}

bool MakePoints(const QString& Dir) {
  QDir().mkpath(Dir);
  return WriteFile(Dir + "/skin-points.env", skinart::SkinPoints());
}

bool MakePreviews(const QString& Dir) {
  QDir().mkpath(Dir);
  return WritePng(Dir + "/main-cover.png", skinart::PreviewCover()) &&
         WritePng(Dir + "/main-options.png", skinart::PreviewOptions()) &&
         WritePng(Dir + "/main-board.png", skinart::PreviewBoard()) &&
         WritePng(Dir + "/popup-score.png", skinart::PreviewScore()) &&
         WritePng(Dir + "/popup-about.png", skinart::PreviewAbout());
}

int Usage() {
  std::fprintf(stderr, "usage: tesselo_skinmaker [--program DIR] [--resources DIR] "
                       "[--points DIR] [--preview DIR] [--languages CODES --catalogues DIR]\n");
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  // Drawing text needs a GUI application, but never a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtimeDir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
    QFile::setPermissions(runtimeDir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
  }
  QGuiApplication app(argc, argv);
  skinart::RegisterFonts();

  const QStringList args = app.arguments().mid(1);
  if (args.isEmpty() || args.size() % 2 != 0)
    return Usage();
  std::map<QString, QString> options;
  for (int i = 0; i < args.size(); i += 2)
    options[args[i]] = args[i + 1];
  TLanguages languages;
  if (options.count("--languages") != options.count("--catalogues"))
    return Usage();
  if (options.count("--languages")) {
    languages.Codes = options["--languages"].split(',', Qt::SkipEmptyParts);
    languages.Catalogues = options["--catalogues"];
  }
  const std::map<QString, std::function<bool(const QString&)>> makers = {
      {"--program", [&](const QString& Dir) { return MakeProgramFiles(Dir, languages); }},
      {"--resources", [&](const QString& Dir) { return MakeResources(Dir, languages); }},
      {"--points", MakePoints},
      {"--preview", MakePreviews},
      {"--languages", [](const QString&) { return true; }},
      {"--catalogues", [](const QString&) { return true; }}};
  for (const auto& [option, dir] : options)
    if (makers.count(option) == 0)
      return Usage();
  for (const auto& [option, dir] : options)
    if (!makers.at(option)(dir))
      return 1;
  return 0;
}
