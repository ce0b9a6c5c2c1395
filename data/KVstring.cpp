#include "KVstring.h"

#include "KVRStream.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>

QString AddTrailingDelimiter(const QString& Path) {
  if (Path.isEmpty() || Path.endsWith(QLatin1Char('/')))
    return Path;
  return Path + QLatin1Char('/');
}

void WriteStringToStream(QIODevice& Stream, const QByteArray& S) {
  if (Stream.write(S) != S.size())
    throw EKVResError(QCoreApplication::translate("KVstring", "Stream write error: %1.")
                          .arg(Stream.errorString())
                          .toStdString());
}

QByteArray ReadStringFromStream(QIODevice& Stream, qint64 Count) {
  if (!Stream.isReadable())
    return {};
  if (Count == -1)
    Count = Stream.size() - Stream.pos();
  if (Count <= 0)
    return {};
  // A count beyond what the stream holds is a short read; refusing it up front also keeps a
  // wild count from reserving memory.
  if (!Stream.isSequential() && Count > Stream.size() - Stream.pos())
    return {};
  QByteArray s;
  while (s.size() < Count) {
    const QByteArray block = Stream.read(std::min<qint64>(Count - s.size(), 65536));
    if (block.isEmpty())
      return {};
    s += block;
  }
  return s;
}

int PosFrom(const QString& Pattern, const QString& Text, int Start, bool CaseSensitive) {
  if (Pattern.isEmpty() || Text.isEmpty())
    return 0;
  const qsizetype from = Start < 1 ? 0 : qsizetype(Start) - 1;
  if (from >= Text.size())
    return 0;
  const qsizetype at =
      Text.indexOf(Pattern, from, CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
  return at < 0 ? 0 : int(at + 1);
}

QString GetField(const QString& Text, int Index, const QString& Delimiter) {
  if (Index < 0)
    return {};
  const int d = int(Delimiter.size());
  int a = PosFrom(Delimiter, Text, 1, true);
  int f = 1;
  for (int i = 0; i < Index; ++i) {
    // Past the last delimiter there is no such field; searching on would wrap to the start.
    if (a == 0)
      return {};
    f = a + d;
    a = PosFrom(Delimiter, Text, f, true);
  }
  if (f < a)
    return Text.mid(f - 1, a - f);
  return {};
}
