#include "KVUtils.h"

#include "KVMessageBox.h"
#include "KVShell.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QUrl>

#include <algorithm>
#include <array>

namespace {

// Removes every "%..." up to the next blank: the placeholders of a registered command.
QString RemovePlaceholders(const QString& Text) {
  QString out;
  out.reserve(Text.size());
  bool skipping = false;
  for (const QChar c : Text) {
    if (c == QLatin1Char('%'))
      skipping = true;
    else if (c == QLatin1Char(' '))
      skipping = false;
    if (!skipping)
      out += c;
  }
  return out;
}

QString CleanParams(QString Text) {
  Text = Text.trimmed();
  Text.remove(QLatin1Char('"'));
  return RemovePlaceholders(Text).trimmed();
}

// 1-based position of the last character of the last ".EXE", ".BAT" or ".COM", or 0.
qsizetype ProgramEnd(const QString& Command) {
  static const std::array<QString, 3> endings = {QStringLiteral(".EXE"), QStringLiteral(".BAT"),
                                                 QStringLiteral(".COM")};
  for (qsizetype l = Command.size(); l >= 4; --l) {
    const QString four = Command.mid(l - 4, 4).toUpper();
    for (const QString& ending : endings)
      if (four == ending)
        return l;
  }
  return 0;
}

// Length of the first word: up to the closing quote of a quoted word, else the first blank.
qsizetype FirstWordLength(const QString& Command) {
  if (Command.startsWith(QLatin1Char('"'))) {
    const qsizetype close = Command.indexOf(QLatin1Char('"'), 1);
    return close < 0 ? Command.size() : close + 1;
  }
  const qsizetype blank = Command.indexOf(QLatin1Char(' '));
  return blank < 0 ? Command.size() : blank;
}

// Steps 1 and 2 of opening a link: the given program, else the default handler, else the
// command registered for the protocol.
bool Launch(const QString& Link, const QString& Program, const QString& Protocol) {
  TKVShell& shell = TKVShell::Instance();
  if (!Program.isEmpty())
    return shell.Execute(Program, {Link});
  if (shell.OpenLink(Link))
    return true;
  QString registered;
  QString params;
  if (!GetAssociatedProgram(Protocol, registered, params))
    return false;
  return shell.Execute(registered, RegisteredCommandArguments(params, Link));
}

// Blanks would let a link be read as several words, control characters end or hide parts of
// it, and format characters (such as a right-to-left override) make it read differently from
// what it opens.
bool HasUnsafeCharacter(const QString& Link) {
  for (const QChar c : Link) {
    const QChar::Category category = c.category();
    if (c.isSpace() || category == QChar::Other_Control || category == QChar::Other_Format)
      return true;
  }
  return false;
}

const QString HttpScheme = QStringLiteral("http");
const QString HttpsScheme = QStringLiteral("https");
const QString MailtoScheme = QStringLiteral("mailto");

bool IsStrictLink(const QUrl& Url, TLinkOrigin Origin) {
  if (!Url.isValid() || Url.isRelative())
    return false;
  const QString scheme = Url.scheme();
  if (scheme == HttpScheme || scheme == HttpsScheme)
    return !Url.host().isEmpty();
  if (scheme == MailtoScheme && Origin == TLinkOrigin::Game)
    return Url.host().isEmpty() && !Url.path().isEmpty();
  return false;
}

bool IsHostLabel(QStringView Label) {
  if (Label.isEmpty() || Label.front() == QLatin1Char('-') || Label.back() == QLatin1Char('-'))
    return false;
  return std::all_of(Label.begin(), Label.end(), [](QChar c) {
    return c == QLatin1Char('-') || c.isLetter() || c.isDigit() || c.isMark();
  });
}

// The host name a link written without a scheme ("www.example.com/sets") starts with, or empty
// when it does not start with one. A dotted name with a top label that is not a number is what
// a reader takes for a web address; a word, a path or an address in figures is not guessed at.
QString LeadingHostName(const QString& Link) {
  static const QString hostEnds = QStringLiteral("/?#:");
  qsizetype end = 0;
  while (end < Link.size() && !hostEnds.contains(Link[end]))
    ++end;
  const QString host = Link.left(end);
  const QList<QStringView> labels = QStringView(host).split(QLatin1Char('.'));
  if (labels.size() < 2 || !std::all_of(labels.begin(), labels.end(), IsHostLabel))
    return {};
  const QStringView top = labels.back();
  if (std::all_of(top.begin(), top.end(), [](QChar c) { return c.isDigit(); }))
    return {};
  return host;
}

} // namespace

int ShowMessageBox(const QString& Text, const QString& Caption, int Flags) {
  const QString caption = Caption.isEmpty() ? QGuiApplication::applicationDisplayName() : Caption;
  return TKVMessageBox::Instance().Show(Text, caption, Flags);
}

bool SplitAssociatedCommand(const QString& Command, QString& Program, QString& Params) {
  Program.clear();
  Params.clear();
  if (Command.isEmpty())
    return false;
  QString c = Command;
  if (const qsizetype end = ProgramEnd(c); end > 0) {
    if (end < c.size())
      Params = CleanParams(c.mid(end));
    c.truncate(end);
    if (c.startsWith(QLatin1Char('"')))
      c.remove(0, 1);
    Program = c;
    return true;
  }
  const qsizetype word = FirstWordLength(c);
  Params = CleanParams(c.mid(word));
  Program = c.left(word);
  Program.remove(QLatin1Char('"'));
  return true;
}

bool GetAssociatedProgram(const QString& Protocol, QString& Program, QString& Params) {
  return SplitAssociatedCommand(TKVShell::Instance().RegisteredCommand(Protocol), Program, Params);
}

QString LinkToOpen(const QString& Link, TLinkOrigin Origin) {
  if (Link.isEmpty() || HasUnsafeCharacter(Link))
    return {};
  if (IsStrictLink(QUrl(Link, QUrl::StrictMode), Origin))
    return Link;
  const QString host = LeadingHostName(Link);
  if (host.isEmpty())
    return {};
  // The host the browser is given must be the one the reader saw: "example.com:x@evil.example"
  // would otherwise lead to evil.example.
  const QString web = HttpScheme + QLatin1String("://") + Link;
  const QUrl url(web, QUrl::StrictMode);
  if (!IsStrictLink(url, Origin) || QUrl::toAce(url.host()) != QUrl::toAce(host))
    return {};
  return web;
}

QStringList RegisteredCommandArguments(const QString& Params, const QString& Link) {
  QStringList arguments = Params.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  arguments << Link;
  return arguments;
}

bool OpenURL(const QString& URL, const QString& Program, bool ShowError, TLinkOrigin Origin) {
  const bool mail = URL.startsWith(MailtoScheme + QLatin1Char(':'), Qt::CaseInsensitive);
  const QString link = LinkToOpen(URL, Origin);
  const bool ok = !link.isEmpty() && Launch(link, Program, mail ? MailtoScheme : HttpScheme);
  if (!ok && ShowError)
    ShowMessageBox(QCoreApplication::translate("KVUtils", "Unable to connect to %1").arg(URL),
                   QCoreApplication::translate("KVUtils", "Default web browser not found"), MB_OK);
  return ok;
}

bool SendMail(const QString& Address, const QString& Program, bool ShowError) {
  QString link = Address;
  if (!link.contains(QLatin1String("mailto:")))
    link.prepend(QLatin1String("mailto:"));
  const bool ok = link.startsWith(MailtoScheme + QLatin1Char(':'), Qt::CaseInsensitive) &&
                  !LinkToOpen(link, TLinkOrigin::Game).isEmpty() &&
                  Launch(link, Program, MailtoScheme);
  if (!ok && ShowError)
    ShowMessageBox(QCoreApplication::translate("KVUtils", "Unable to send mail to %1").arg(link),
                   QCoreApplication::translate("KVUtils", "Default mail program not found"), MB_OK);
  return ok;
}
