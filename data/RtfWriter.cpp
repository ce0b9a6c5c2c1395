#include "RtfWriter.h"

#include "RtfReader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <vector>

namespace {

// The font and colour tables the body refers to by index. Font 0 is the document's default
// font; colour 0 stands for the default text colour.
class TRtfTables {
public:
  explicit TRtfTables(const QTextDocument& Doc) : FDefault(Doc.defaultFont()) {
    FontIndex(QTextCharFormat());
  }
  int FontIndex(const QTextCharFormat& Format) {
    return IndexOf(FFonts, FFontIndex, Family(Format));
  }
  int ColorIndex(const QTextCharFormat& Format);
  int HalfPoints(const QTextCharFormat& Format) const;
  QString Header() const;

private:
  QString Family(const QTextCharFormat& Format) const;
  // The entry's index, added at the end when new; the hash keeps a long table cheap to search.
  template <class T>
  static int IndexOf(std::vector<T>& List, QHash<T, int>& Index, const T& Value) {
    const auto Found = Index.constFind(Value);
    if (Found != Index.constEnd())
      return *Found;
    List.push_back(Value);
    return Index[Value] = static_cast<int>(List.size() - 1);
  }

  QFont FDefault;
  std::vector<QString> FFonts;
  QHash<QString, int> FFontIndex;
  std::vector<QRgb> FColors;
  QHash<QRgb, int> FColorIndex;
};

QString EscapeChar(QChar C) {
  switch (C.unicode()) {
  case u'\\':
    return QStringLiteral("\\\\");
  case u'{':
    return QStringLiteral("\\{");
  case u'}':
    return QStringLiteral("\\}");
  case u'\t':
    return QStringLiteral("\\tab ");
  case 0x2028:
    return QStringLiteral("\\line ");
  case 0x00A0:
    return QStringLiteral("\\~");
  case 0xFFFC: // an embedded object: nothing of it can be written
    return QString();
  default:
    break;
  }
  if (C.unicode() >= 0x20 && C.unicode() < 0x7F)
    return QString(C);
  const int Byte = CharToWindows1252(C);
  if (Byte >= 0x80)
    return QStringLiteral("\\'%1").arg(Byte, 2, 16, QLatin1Char('0'));
  if (Byte >= 0)
    return QString(); // other control characters have no place in the text
  // "\u" takes a signed 16-bit value; the '?' stands in for readers that do not know it.
  return QStringLiteral("\\u%1?").arg(static_cast<int16_t>(C.unicode()));
}

QString Escape(const QString& Text) {
  QString Result;
  for (const QChar C : Text)
    Result += EscapeChar(C);
  return Result;
}

QString TRtfTables::Family(const QTextCharFormat& Format) const {
  const QStringList Families = Format.fontFamilies().toStringList();
  return Families.isEmpty() || Families.first().isEmpty() ? FDefault.family() : Families.first();
}

int TRtfTables::ColorIndex(const QTextCharFormat& Format) {
  if (!Format.hasProperty(QTextFormat::ForegroundBrush) ||
      Format.foreground().style() == Qt::NoBrush)
    return 0;
  return IndexOf(FColors, FColorIndex, Format.foreground().color().rgb() & 0xFFFFFF) + 1;
}

int TRtfTables::HalfPoints(const QTextCharFormat& Format) const {
  const double Points = Format.fontPointSize() > 0 ? Format.fontPointSize() : FDefault.pointSizeF();
  return Points > 0 ? qRound(Points * 2) : RtfDefaultHalfPoints;
}

QString TRtfTables::Header() const {
  QString Result = QStringLiteral("{\\fonttbl");
  for (size_t I = 0; I < FFonts.size(); ++I) {
    QString Name = FFonts[I];
    Name.remove(QLatin1Char(';')); // the entry's terminator cannot be escaped inside a name
    Result += QStringLiteral("{\\f%1\\fnil %2;}").arg(I).arg(Escape(Name));
  }
  Result += QStringLiteral("}\n{\\colortbl ;");
  for (const QRgb Color : FColors)
    Result += QStringLiteral("\\red%1\\green%2\\blue%3;")
                  .arg(qRed(Color))
                  .arg(qGreen(Color))
                  .arg(qBlue(Color));
  return Result + QStringLiteral("}\n");
}

QString CharProps(TRtfTables& Tables, const QTextCharFormat& Format) {
  QString Result = QStringLiteral("\\plain\\f%1\\fs%2")
                       .arg(Tables.FontIndex(Format))
                       .arg(Tables.HalfPoints(Format));
  if (Format.fontWeight() > QFont::Medium)
    Result += QStringLiteral("\\b");
  if (Format.fontItalic())
    Result += QStringLiteral("\\i");
  if (Format.fontUnderline())
    Result += QStringLiteral("\\ul");
  if (const int Color = Tables.ColorIndex(Format))
    Result += QStringLiteral("\\cf%1").arg(Color);
  return Result + QLatin1Char(' ');
}

QString ParaProps(const QTextBlockFormat& Format) {
  QString Result = QStringLiteral("\\pard");
  const auto Twips = [](qreal Pixels) { return qRound(Pixels * RtfTwipsPerPixel); };
  if (const int Left = Twips(Format.leftMargin()))
    Result += QStringLiteral("\\li%1").arg(Left);
  if (const int Right = Twips(Format.rightMargin()))
    Result += QStringLiteral("\\ri%1").arg(Right);
  if (const int First = Twips(Format.textIndent()))
    Result += QStringLiteral("\\fi%1").arg(First);
  const Qt::Alignment Align = Format.alignment() & Qt::AlignHorizontal_Mask;
  if (Align & Qt::AlignHCenter)
    Result += QStringLiteral("\\qc");
  else if (Align & Qt::AlignRight)
    Result += QStringLiteral("\\qr");
  else if (Align & Qt::AlignJustify)
    Result += QStringLiteral("\\qj");
  return Result;
}

} // namespace

QString WriteRtf(const QTextDocument& Doc) {
  TRtfTables Tables(Doc);
  QString Body;
  for (QTextBlock Block = Doc.begin(); Block.isValid(); Block = Block.next()) {
    Body += ParaProps(Block.blockFormat());
    for (auto It = Block.begin(); !It.atEnd(); ++It) {
      const QTextFragment Fragment = It.fragment();
      if (Fragment.isValid())
        Body += CharProps(Tables, Fragment.charFormat()) + Escape(Fragment.text());
    }
    Body += CharProps(Tables, Block.charFormat()) + QStringLiteral("\\par\n");
  }
  return QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n") + Tables.Header() + Body +
         QStringLiteral("}\n");
}
