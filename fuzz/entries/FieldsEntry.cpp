#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "KVstring.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace fuzzentry {
namespace {

// Longer texts and patterns add no new paths, only time per input (the first-match check
// is quadratic).
constexpr qsizetype MaxTextLength = 2048;
constexpr size_t ControlBytes = 9; // flags, Start and Index

struct TFieldsInput {
  bool CaseSensitive = true;
  int Start = 0;
  int Index = 0;
  QString Pattern;
  QString Text;
};

int ReadInt(const uint8_t* Data) {
  int32_t value = 0;
  std::memcpy(&value, Data, sizeof value);
  return value;
}

// Control bytes first, then the pattern and the text separated by the first zero byte. The
// bytes are read as Latin-1, so every byte is one character.
TFieldsInput Split(const uint8_t* Data, size_t Size) {
  TFieldsInput input;
  input.CaseSensitive = (Data[0] & 1) != 0;
  input.Start = ReadInt(Data + 1);
  input.Index = ReadInt(Data + 5);
  const QByteArray rest = Bytes(Data + ControlBytes, Size - ControlBytes);
  const qsizetype zero = rest.indexOf('\0');
  input.Pattern = QString::fromLatin1(zero < 0 ? rest : rest.left(zero)).left(MaxTextLength);
  input.Text =
      QString::fromLatin1(zero < 0 ? QByteArray() : rest.mid(zero + 1)).left(MaxTextLength);
  return input;
}

bool MatchesAt(const TFieldsInput& In, qsizetype At) {
  const Qt::CaseSensitivity cs = In.CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  return QStringView(In.Text).mid(At, In.Pattern.size()).compare(In.Pattern, cs) == 0 &&
         At + In.Pattern.size() <= In.Text.size();
}

// The result is a match at or after Start, and no match starts between Start and it.
void CheckPosFrom(const TFieldsInput& In) {
  const int found = PosFrom(In.Pattern, In.Text, In.Start, In.CaseSensitive);
  if (In.Pattern.isEmpty() || In.Text.isEmpty()) {
    Check(found == 0, "an empty pattern or text is not found");
    return;
  }
  const qsizetype from = std::max(In.Start, 1) - 1;
  const qsizetype end = found == 0 ? In.Text.size() : found - 1;
  Check(found == 0 || (found - 1 >= from && MatchesAt(In, found - 1)),
        "PosFrom gives a match at or after Start");
  for (qsizetype at = from; at < end; ++at)
    Check(!MatchesAt(In, at), "PosFrom gives the first match");
}

// Fields joined with a one-character delimiter after each read back one by one.
void CheckFieldsRoundTrip(const TFieldsInput& In) {
  if (In.Pattern.size() != 1)
    return;
  const QStringList fields = In.Text.split(In.Pattern[0]);
  QString joined;
  for (const QString& field : fields)
    joined += field + In.Pattern;
  for (int i = 0; i < int(fields.size()); ++i)
    Check(GetField(joined, i, In.Pattern) == fields[i], "GetField reads back each field");
  Check(GetField(joined, int(fields.size()), In.Pattern).isEmpty(), "no field past the last");
}

void CheckGetField(const TFieldsInput& In) {
  const QString field = GetField(In.Text, In.Index, In.Pattern);
  Check(In.Pattern.isEmpty() || !field.contains(In.Pattern), "a field holds no delimiter");
  Check(field.isEmpty() || In.Text.contains(field), "a field is part of the text");
  CheckFieldsRoundTrip(In);
}

} // namespace

int Fields(const uint8_t* Data, size_t Size) {
  if (Size < ControlBytes)
    return 0;
  const TFieldsInput input = Split(Data, Size);
  CheckPosFrom(input);
  CheckGetField(input);
  return 0;
}

} // namespace fuzzentry
