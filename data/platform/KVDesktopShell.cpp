#include "KVDesktopShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A desktop file is a few kilobytes; anything far larger is not one.
constexpr qint64 MaxDesktopFileSize = 1 << 20;
constexpr int LookupTimeoutMs = 5000;

// The desktop file id of the default handler of Protocol, as xdg-mime reports it.
QString DefaultHandlerId(const QString& Protocol) {
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("x-scheme-handler/") + Protocol});
  if (!query.waitForFinished(LookupTimeoutMs) || query.exitStatus() != QProcess::NormalExit ||
      query.exitCode() != 0) {
    query.kill();
    return {};
  }
  const QString id = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
  if (!id.endsWith(QLatin1String(".desktop")) || id.contains(QLatin1Char('/')))
    return {};
  return id;
}

} // namespace

bool TKVDesktopShell::OpenLink(const QString& Link) {
  // The desktop services need the GUI application; without one there is no desktop to ask.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return false;
  const QUrl url = QUrl::fromUserInput(Link);
  return url.isValid() && QDesktopServices::openUrl(url);
}

bool TKVDesktopShell::Execute(const QString& Program, const QString& Params) {
  if (Program.isEmpty())
    return false;
  return QProcess::startDetached(Program, QProcess::splitCommand(Params));
}

QString TKVDesktopShell::RegisteredCommand(const QString& Protocol) {
  const QString id = DefaultHandlerId(Protocol);
  if (id.isEmpty())
    return {};
  QFile file(QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id));
  if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly) ||
      file.size() > MaxDesktopFileSize)
    return {};
  return DesktopEntryExec(file.read(MaxDesktopFileSize));
}

QString DesktopEntryExec(const QByteArray& DesktopFile) {
  bool inMainGroup = false;
  for (const QByteArray& raw : DesktopFile.split('\n')) {
    const QByteArray line = raw.trimmed();
    if (line.startsWith('[')) {
      inMainGroup = line == "[Desktop Entry]";
      continue;
    }
    if (!inMainGroup || line.startsWith('#'))
      continue;
    const qsizetype eq = line.indexOf('=');
    if (eq > 0 && line.left(eq).trimmed() == "Exec")
      return QString::fromUtf8(line.mid(eq + 1).trimmed());
  }
  return {};
}
