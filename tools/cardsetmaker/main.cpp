// cardsetmaker: paints and writes the card sets the game ships with into a folder, and
// optionally preview sheets of them.
//
//   cardsetmaker OUTDIR [--previews DIR] [--frames DIR]
#include "DefaultSets.h"
#include "PairSets.h"
#include "PreviewSheet.h"

#include "DeckBuilder.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>

namespace {

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    QTextStream(stderr) << message << "\n";
}

struct TSheetLayout {
  int Columns;
  QSize Cell;
};

TSheetLayout LayoutFor(const QString& fileName) {
  if (fileName.startsWith(QLatin1String("shapes")))
    return {8, {60, 45}};
  // Pairs of different cards side by side.
  if (fileName.startsWith(QLatin1String("learn-")) || fileName.startsWith(QLatin1String("hear-")))
    return {8, {120, 90}};
  return {4, {120, 90}};
}

void WritePreviews(const QList<TDefaultSet>& sets, const QDir& cards, const QString& folder,
                   bool allFrames) {
  QDir().mkpath(folder);
  for (const TDefaultSet& set : sets) {
    const QString base = QFileInfo(set.FileName).completeBaseName();
    if (allFrames && !base.startsWith(QLatin1String("animations")))
      continue;
    const TSheetLayout layout = LayoutFor(set.FileName);
    const QImage sheet =
        DrawPreviewSheet(cards.filePath(set.FileName), layout.Columns, layout.Cell, allFrames);
    const QString name = allFrames ? QStringLiteral("cards-%1-frames.png").arg(base)
                                   : QStringLiteral("cards-%1.png").arg(base);
    sheet.save(QDir(folder).filePath(name));
  }
}

} // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  QStringList args;
  for (int i = 1; i < argc; ++i)
    args.push_back(QString::fromLocal8Bit(argv[i]));
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int appArgc = 1;
  QGuiApplication app(appArgc, argv);
  QTextStream err(stderr);
  if (args.isEmpty()) {
    err << "usage: cardsetmaker OUTDIR [--previews DIR] [--frames DIR]\n";
    return 1;
  }
  try {
    const QDir cards(args[0]);
    QDir().mkpath(cards.path());
    const QList<TDefaultSet> sets = DefaultSets() + PairSets();
    for (const TDefaultSet& set : sets)
      SaveDeck(BuildDeck(set.Request), cards.filePath(set.FileName));
    for (qsizetype i = 1; i + 1 < args.size(); i += 2)
      WritePreviews(sets, cards, args[i + 1], args[i] == QLatin1String("--frames"));
  } catch (const std::exception& error) {
    err << "cardsetmaker: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
