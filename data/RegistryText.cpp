#include "RegistryText.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString DwordPrefix = QStringLiteral("dword:");

bool IsBlank(QChar C) {
  return C == u' ' || C == u'\t';
}

bool IsHeader(const QString& Line) {
  const QString Trimmed = Line.trimmed();
  return Trimmed == u"REGEDIT4" || Trimmed == u"Windows Registry Editor Version 5.00";
}

// Reads the quoted text starting at Line[Pos] (which must be '"'). On success Pos is just past
// the closing quote.
std::optional<QString> ReadQuoted(const QString& Line, qsizetype& Pos) {
  if (Pos >= Line.size() || Line[Pos] != u'"') {
    return std::nullopt;
  }
  QString Text;
  for (qsizetype I = Pos + 1; I < Line.size(); ++I) {
    const QChar C = Line[I];
    if (C == u'"') {
      Pos = I + 1;
      return Text;
    }
    if (C == u'\\') {
      if (I + 1 >= Line.size() || (Line[I + 1] != u'\\' && Line[I + 1] != u'"')) {
        return std::nullopt;
      }
      ++I;
    }
    Text.append(Line[I]);
  }
  return std::nullopt;
}

bool OnlyBlanksFrom(const QString& Line, qsizetype Pos) {
  for (qsizetype I = Pos; I < Line.size(); ++I) {
    if (!IsBlank(Line[I])) {
      return false;
    }
  }
  return true;
}

std::optional<quint32> ReadDword(const QString& Data) {
  const QString Digits = Data.mid(DwordPrefix.size()).trimmed();
  if (Digits.size() != 8) {
    return std::nullopt;
  }
  bool Ok = false;
  const uint Value = Digits.toUInt(&Ok, 16);
  // toUInt accepts a sign or a "0x" prefix; the format allows neither.
  const bool AllHex = std::all_of(Digits.begin(), Digits.end(), [](QChar C) {
    return (C >= u'0' && C <= u'9') || (C >= u'a' && C <= u'f') || (C >= u'A' && C <= u'F');
  });
  if (!Ok || !AllHex) {
    return std::nullopt;
  }
  return Value;
}

bool EndsWithContinuation(const QString& Line) {
  qsizetype End = Line.size();
  while (End > 0 && IsBlank(Line[End - 1])) {
    --End;
  }
  return End > 0 && Line[End - 1] == u'\\';
}

// Splits UTF-8 Bytes into lines without their LF or CRLF; nothing when the bytes are not UTF-8
// or a line holds a bare CR.
std::optional<QStringList> SplitLines(const QByteArray& Bytes) {
  // The default flags drop a leading byte-order mark and flag malformed sequences.
  QStringDecoder Decoder(QStringDecoder::Utf8);
  QString Text = Decoder.decode(Bytes);
  if (Decoder.hasError()) {
    return std::nullopt;
  }
  QStringList Lines = Text.split(u'\n');
  for (QString& Line : Lines) {
    if (Line.endsWith(u'\r')) {
      Line.chop(1);
    }
    if (Line.contains(u'\r')) {
      return std::nullopt;
    }
  }
  return Lines;
}

// Builds the document line by line. Repeated keys merge into the first; a repeated value
// replaces the earlier one in its place, as importing the file into the registry would.
class DocumentBuilder {
public:
  bool AddKey(const QString& Line) {
    const QString Trimmed = Line.trimmed();
    if (Trimmed.size() < 3 || !Trimmed.endsWith(u']')) {
      return false;
    }
    const QString Path = Trimmed.mid(1, Trimmed.size() - 2);
    const QString Folded = Path.toCaseFolded();
    auto Found = FKeyIndex.constFind(Folded);
    if (Found != FKeyIndex.cend()) {
      FCurrent = *Found;
    } else {
      FCurrent = FDocument.Keys.size();
      FKeyIndex.insert(Folded, FCurrent);
      FValueIndex.emplace_back();
      FDocument.Keys.push_back(RegistryKey{Path, {}});
    }
    return true;
  }

  void AddValue(RegistryValue Value) {
    RegistryKey& Key = FDocument.Keys[FCurrent];
    QHash<QString, size_t>& Index = FValueIndex[FCurrent];
    const QString Folded = Value.Name.toCaseFolded();
    auto Found = Index.constFind(Folded);
    if (Found != Index.cend()) {
      Key.Values[*Found] = std::move(Value);
    } else {
      Index.insert(Folded, Key.Values.size());
      Key.Values.push_back(std::move(Value));
    }
  }

  bool HasKey() const { return !FDocument.Keys.empty(); }
  RegistryDocument Take() { return std::move(FDocument); }

private:
  RegistryDocument FDocument;
  QHash<QString, size_t> FKeyIndex;
  std::vector<QHash<QString, size_t>> FValueIndex;
  size_t FCurrent = 0;
};

// Parses the value starting at Lines[Row], consuming continuation lines of verbatim data.
std::optional<RegistryValue> ReadValue(const QStringList& Lines, qsizetype& Row) {
  const QString& Line = Lines[Row];
  RegistryValue Value;
  qsizetype Pos = 0;
  if (Line.startsWith(u'@')) {
    Pos = 1;
  } else if (auto Name = ReadQuoted(Line, Pos)) {
    Value.Name = *Name;
  } else {
    return std::nullopt;
  }
  if (Pos >= Line.size() || Line[Pos] != u'=') {
    return std::nullopt;
  }
  ++Pos;
  const QString Data = Line.mid(Pos);
  if (Data.startsWith(u'"')) {
    qsizetype DataPos = Pos;
    auto Text = ReadQuoted(Line, DataPos);
    if (!Text || !OnlyBlanksFrom(Line, DataPos)) {
      return std::nullopt;
    }
    Value.Kind = RegistryValueKind::String;
    Value.Text = *Text;
  } else if (Data.startsWith(DwordPrefix, Qt::CaseInsensitive)) {
    auto Dword = ReadDword(Data);
    if (!Dword) {
      return std::nullopt;
    }
    Value.Kind = RegistryValueKind::Dword;
    Value.Dword = *Dword;
  } else {
    if (Data.trimmed().isEmpty()) {
      return std::nullopt;
    }
    Value.Kind = RegistryValueKind::Other;
    Value.Text = Data;
    while (EndsWithContinuation(Lines[Row])) {
      if (++Row >= Lines.size()) {
        return std::nullopt;
      }
      Value.Text += u'\n' + Lines[Row];
    }
  }
  return Value;
}

QString Escaped(const QString& Text) {
  QString Out;
  Out.reserve(Text.size() + 2);
  for (QChar C : Text) {
    if (C == u'\\' || C == u'"') {
      Out.append(u'\\');
    }
    Out.append(C);
  }
  return Out;
}

QString FormatValue(const RegistryValue& Value) {
  QString Line = Value.Name.isEmpty() ? QStringLiteral("@") : u'"' + Escaped(Value.Name) + u'"';
  Line += u'=';
  switch (Value.Kind) {
  case RegistryValueKind::Dword:
    Line += DwordPrefix + QStringLiteral("%1").arg(Value.Dword, 8, 16, QChar(u'0'));
    break;
  case RegistryValueKind::String:
    Line += u'"' + Escaped(Value.Text) + u'"';
    break;
  case RegistryValueKind::Other:
    Line += QString(Value.Text).replace(u'\n', QStringLiteral("\r\n"));
    break;
  }
  return Line + QStringLiteral("\r\n");
}

} // namespace

std::optional<RegistryDocument> ParseRegistryText(const QByteArray& Bytes) {
  const std::optional<QStringList> Lines = SplitLines(Bytes);
  if (!Lines || Lines->isEmpty() || !IsHeader(Lines->first())) {
    return std::nullopt;
  }
  DocumentBuilder Builder;
  for (qsizetype Row = 1; Row < Lines->size(); ++Row) {
    const QString& Line = (*Lines)[Row];
    const QString Trimmed = Line.trimmed();
    if (Trimmed.isEmpty() || Trimmed.startsWith(u';')) {
      continue;
    }
    if (Line.startsWith(u'[')) {
      if (!Builder.AddKey(Line)) {
        return std::nullopt;
      }
      continue;
    }
    std::optional<RegistryValue> Value =
        Builder.HasKey() ? ReadValue(*Lines, Row) : std::optional<RegistryValue>();
    if (!Value) {
      return std::nullopt;
    }
    Builder.AddValue(std::move(*Value));
  }
  return Builder.Take();
}

QByteArray FormatRegistryText(const RegistryDocument& Document) {
  QString Text = QStringLiteral("REGEDIT4\r\n");
  for (const RegistryKey& Key : Document.Keys) {
    Text += QStringLiteral("\r\n[") + Key.Path + QStringLiteral("]\r\n");
    for (const RegistryValue& Value : Key.Values) {
      Text += FormatValue(Value);
    }
  }
  Text += QStringLiteral("\r\n");
  return Text.toUtf8();
}

bool SameRegistryName(const QString& A, const QString& B) {
  return A.compare(B, Qt::CaseInsensitive) == 0;
}

RegistryKey* FindRegistryKey(RegistryDocument& Document, const QString& Path) {
  for (RegistryKey& Key : Document.Keys) {
    if (SameRegistryName(Key.Path, Path)) {
      return &Key;
    }
  }
  return nullptr;
}

RegistryValue* FindRegistryValue(RegistryKey& Key, const QString& Name) {
  for (RegistryValue& Value : Key.Values) {
    if (SameRegistryName(Value.Name, Name)) {
      return &Value;
    }
  }
  return nullptr;
}
