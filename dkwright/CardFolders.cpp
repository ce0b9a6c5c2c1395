#include "CardFolders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

constexpr int MaxNameLength = 60;

QString WithSlash(QString folder) {
  if (!folder.endsWith(QLatin1Char('/')))
    folder += QLatin1Char('/');
  return folder;
}

// Permission bits do not tell everything (root, read-only mounts, quotas): only making a file
// does.
bool TakesNewFile(const QString& folder) {
  if (folder.isEmpty() || !QDir().mkpath(folder))
    return false;
  QTemporaryFile probe(folder + QStringLiteral(".dkwright-XXXXXX"));
  return probe.open();
}

bool IsKept(QChar c) {
  return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

} // namespace

TCardFolders TCardFolders::Beside(const QString& ProgramFolder) {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return {WithSlash(ProgramFolder) + QStringLiteral("cards/"),
          data.isEmpty() ? QString() : WithSlash(data) + QStringLiteral("Kovalent/Tesselo/cards/")};
}

QString TCardFolders::Writable() const {
  for (const QString& folder : {Program, User})
    if (TakesNewFile(folder))
      return WithSlash(folder);
  return {};
}

QString CardSetFileName(const QString& Title) {
  QString name;
  for (QChar c : Title.trimmed()) {
    if (IsKept(c))
      name += c;
    else if (!name.endsWith(QLatin1Char('_')))
      name += QLatin1Char('_');
  }
  name.truncate(MaxNameLength);
  while (name.startsWith(QLatin1Char('_')) || name.startsWith(QLatin1Char('-')))
    name.remove(0, 1);
  while (name.endsWith(QLatin1Char('_')))
    name.chop(1);
  if (name.isEmpty())
    name = QStringLiteral("cards");
  return name + QStringLiteral(".crd");
}
