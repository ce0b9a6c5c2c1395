#include "GameLauncher.h"

#include "Product.h"
#include "SingleInstance.h"

#include <QFileInfo>
#include <QProcess>

TGameLauncher::TGameLauncher(QString GamePath, QString LockName)
    : FGamePath(std::move(GamePath)), FLockName(std::move(LockName)) {}

TGameLauncher TGameLauncher::Beside(const QString& ProgramFolder) {
  return {ProgramFolder + QString::fromLatin1(product::GameProgram),
          QString::fromLatin1(product::SeriesName)};
}

bool TGameLauncher::GameRunning() const {
  // Taking the lock for a moment is the only way to ask; it is given back at once, before the
  // game is started, so the game finds it free.
  TSingleInstance probe(FLockName);
  return !probe.Acquire();
}

TLaunchResult TGameLauncher::Launch(const QString& CardSet) const {
  const QFileInfo game(FGamePath);
  if (!game.isFile() || !game.isExecutable())
    return TLaunchResult::Missing;
  if (CardSet.isEmpty() && GameRunning())
    return TLaunchResult::AlreadyRunning;
  QStringList arguments;
  if (!CardSet.isEmpty())
    arguments << QFileInfo(CardSet).absoluteFilePath();
  // The game finds its data beside itself, so its folder is also where it starts.
  return QProcess::startDetached(FGamePath, arguments, game.absolutePath()) ? TLaunchResult::Started
                                                                            : TLaunchResult::Failed;
}
