// dkwright: the card-set builder. Started without arguments, as the game starts it, it opens
// its window; with arguments it is the command-line tool.
#include "DeckwrightCommand.h"
#include "DeckwrightWindow.h"

#include "Language.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

// The builder speaks the game's language: the same catalogues, beside the same programs.
void InstallLanguage() {
  language::Install(language::CatalogueFolder(ProgramFolder()), WantedLanguages());
  language::InstallDeferred();
}

// Qt's notes about the session (no runtime folder, no display) mean nothing to the user of a
// command-line tool; only real failures are shown.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    QTextStream(stderr) << message << "\n";
}

int RunCommandLine(int argc, char** argv) {
  qInstallMessageHandler(QuietMessages);
  // Qt would take options such as -title or -display for itself, so the application sees only
  // the program name and the builder reads every argument.
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(QString::fromLocal8Bit(argv[i]));
  // Default adverts and backs are painted with text, which needs a GUI application, but the
  // command line never shows a window: it must also run where there is no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int appArgc = 1;
  QGuiApplication app(appArgc, argv);
  InstallLanguage();
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunDeckwright(arguments, out, err);
}

int RunWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Deckwright"));
  InstallLanguage();
  const QString folder = ProgramFolder();
  TDeckwrightWindow window(TCardFolders::Beside(folder), TGameLauncher::Beside(folder));
  window.show();
  return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
  return argc <= 1 ? RunWindow(argc, argv) : RunCommandLine(argc, argv);
}
