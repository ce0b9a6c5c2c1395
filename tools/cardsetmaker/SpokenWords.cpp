#include "SpokenWords.h"

#include "WaveClip.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

constexpr int SpeakingMs = 20000;

[[noreturn]] void Fail(const QString& Message) {
  throw std::runtime_error(Message.toStdString());
}

} // namespace

QByteArray SpeakWord(const QString& Voice, const QString& Word) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
  if (program.isEmpty())
    Fail(QStringLiteral("espeak-ng is not installed; the sound cards of the shipped sets are "
                        "spoken by it at build time (Debian package espeak-ng, which "
                        "scripts/install-deps installs)."));
  QTemporaryDir folder;
  if (!folder.isValid())
    Fail(
        QStringLiteral("no temporary folder for the spoken clips (%1).").arg(folder.errorString()));
  const QString clip = folder.filePath(QStringLiteral("clip.wav"));
  QProcess speaker;
  speaker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  speaker.setStandardOutputFile(QProcess::nullDevice());
  // "--" ends the options, so no word is ever read as one.
  speaker.start(program, {QStringLiteral("-v"), Voice, QStringLiteral("-w"), clip,
                          QStringLiteral("--"), Word});
  if (!speaker.waitForFinished(SpeakingMs)) {
    speaker.kill();
    speaker.waitForFinished();
    Fail(QStringLiteral("espeak-ng did not speak \"%1\" (%2): %3")
             .arg(Word, Voice, speaker.errorString()));
  }
  if (speaker.exitStatus() != QProcess::NormalExit || speaker.exitCode() != 0)
    Fail(QStringLiteral("espeak-ng failed to speak \"%1\" with the voice %2 (exit code %3).")
             .arg(Word, Voice)
             .arg(speaker.exitCode()));
  QFile file(clip);
  if (!file.open(QIODevice::ReadOnly) || file.size() > TWaveClip::MaxBytes)
    Fail(QStringLiteral("espeak-ng left no usable clip of \"%1\" (%2).").arg(Word, Voice));
  return file.readAll();
}
