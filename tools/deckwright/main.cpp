// dkwright: the card-set builder's command line.
#include "deckwright/DeckwrightCommand.h"

#include <QGuiApplication>

namespace {

// Qt's notes about the session (no runtime folder, no display) mean nothing to the user of a
// command-line tool; only real failures are shown.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    QTextStream(stderr) << message << "\n";
}

} // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  // Qt would take options such as -title or -display for itself, so the application sees only
  // the program name and the builder reads every argument.
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(QString::fromLocal8Bit(argv[i]));
  // Default adverts and backs are painted with text, which needs a GUI application, but the
  // builder never shows a window: it must also run where there is no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int appArgc = 1;
  QGuiApplication app(appArgc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunDeckwright(arguments, out, err);
}
