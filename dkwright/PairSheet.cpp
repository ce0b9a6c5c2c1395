#include "PairSheet.h"

#include "DeckError.h"
#include "FacePicture.h"

#include "PairTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

[[noreturn]] void Fail(const QString& Message) {
  throw EDeckError(Message.toStdString());
}

const QString TextPrefix = QStringLiteral("text:");
const QRegularExpression FixedWord(QStringLiteral("^text\\.([a-z]{2,3}(?:[_-][A-Z]{2})?):"));
const QRegularExpression
    Column(QStringLiteral("^(left|right)(?::([a-z]{2,3}(?:[_-][A-Z]{2})?))?$"));

// Where a line's problem is: the table's name and the line, counted from 1.
class TSheetReader {
public:
  TSheetReader(const QString& Path) : FPath(Path), FFolder(QFileInfo(Path).dir()) {}

  TPairSheet Read(const QString& Text) {
    const QStringList lines = Text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      FLine = int(i + 1);
      QString line = lines[i];
      if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
      if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
        continue;
      const QStringList cells = line.split(QLatin1Char('\t'));
      // Only the first line may name the columns.
      if (!FStarted && Column.match(cells.front()).hasMatch())
        ReadHeader(cells);
      else
        ReadPair(cells);
      FStarted = true;
    }
    if (FSheet.Languages.isEmpty())
      FSheet.Languages = {QStringLiteral("en")};
    return std::move(FSheet);
  }

private:
  [[noreturn]] void FailHere(const QString& Problem) const {
    Fail(QStringLiteral("%1:%2: %3").arg(FPath).arg(FLine).arg(Problem));
  }

  void AddLanguage(const QString& Code) {
    if (FSheet.Languages.contains(Code))
      return;
    if (FSheet.Languages.size() == TPairTable::MaxLanguages)
      FailHere(QCoreApplication::translate("Deckwright", "a set may have at most %1 languages.")
                   .arg(TPairTable::MaxLanguages));
    FSheet.Languages.push_back(Code);
  }

  void ReadHeader(const QStringList& Cells) {
    const QString first = Column.match(Cells.front()).captured(2);
    for (qsizetype c = 0; c < Cells.size(); ++c) {
      const QRegularExpressionMatch column = Column.match(Cells[c]);
      const QString side = c == 1 ? QStringLiteral("right") : QStringLiteral("left");
      if (!column.hasMatch() ||
          (c < 2 && (column.captured(1) != side || column.captured(2) != first)) ||
          (c >= 2 && column.captured(2).isEmpty()))
        FailHere(QCoreApplication::translate(
                     "Deckwright",
                     "column %1 is \"%2\"; the columns are left, right, then left:LANG or "
                     "right:LANG (LANG a code such as en or pt_BR), and the first two share "
                     "their language.")
                     .arg(c + 1)
                     .arg(Cells[c]));
    }
    AddLanguage(first.isEmpty() ? QStringLiteral("en") : first);
    for (qsizetype c = 0; c < Cells.size(); ++c) {
      const QRegularExpressionMatch column = Column.match(Cells[c]);
      FColumns.push_back({column.captured(1) == QLatin1String("left") ? 0 : 1,
                          c < 2 ? QString() : column.captured(2)});
      if (c >= 2)
        AddLanguage(column.captured(2));
    }
  }

  QString Checked(const QString& Text) const {
    if (Text.size() > TPairTable::MaxText)
      FailHere(QCoreApplication::translate("Deckwright", "a text longer than %1 characters.")
                   .arg(TPairTable::MaxText));
    for (const QChar c : Text)
      if (c.category() == QChar::Other_Control)
        FailHere(QCoreApplication::translate("Deckwright", "a text with control characters."));
    return Text;
  }

  // A file named by the table, inside its folder.
  TFaceSource FileIn(const QString& Cell) const {
    const QString relative = QDir::cleanPath(Checked(Cell));
    const QString outside =
        QCoreApplication::translate("Deckwright", "\"%1\" is not a file inside the table's folder.")
            .arg(Cell);
    if (QDir::isAbsolutePath(relative) || relative == QLatin1String("..") ||
        relative.startsWith(QLatin1String("../")))
      FailHere(outside);
    const QString path = FFolder.filePath(relative);
    // A link inside the folder may not lead out of it either.
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty())
      FailHere(QCoreApplication::translate("Deckwright", "\"%1\": no such file.").arg(Cell));
    if (!real.startsWith(FFolder.canonicalPath() + QLatin1Char('/')))
      FailHere(outside);
    return {relative, path, {}};
  }

  TPairSide Side(const QString& Cell) {
    TPairSide side;
    const QRegularExpressionMatch fixed = FixedWord.match(Cell);
    if (Cell.startsWith(TextPrefix) || fixed.hasMatch()) {
      side.Kind = TFaceKind::Word;
      side.Language = fixed.captured(1);
      const QString word =
          Checked(Cell.mid(fixed.hasMatch() ? fixed.capturedLength() : TextPrefix.size()));
      if (word.trimmed().isEmpty())
        FailHere(QCoreApplication::translate("Deckwright", "a word card without a word."));
      if (!side.Language.isEmpty())
        AddLanguage(side.Language);
      side.Texts.insert(side.Language.isEmpty() ? FSheet.Languages.front() : side.Language, word);
      return side;
    }
    if (Cell.isEmpty())
      FailHere(QCoreApplication::translate("Deckwright",
                                           "a side is empty; each line is LEFT<TAB>RIGHT."));
    side.Source = FileIn(Cell);
    side.Kind = Cell.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive) ? TFaceKind::Sound
                                                                          : TFaceKind::Picture;
    return side;
  }

  void ReadPair(const QStringList& Cells) {
    if (FSheet.Languages.isEmpty())
      AddLanguage(QStringLiteral("en"));
    const qsizetype columns = FColumns.isEmpty() ? 2 : FColumns.size();
    if (Cells.size() < 2 || Cells.size() > columns)
      FailHere(
          QCoreApplication::translate(
              "Deckwright", "%1 columns; a pair is LEFT<TAB>RIGHT, with at most %2 columns in all.")
              .arg(Cells.size())
              .arg(columns));
    if (FSheet.Pairs.size() == TPairTable::MaxFaces / 2)
      FailHere(QCoreApplication::translate("Deckwright", "a set may have at most %1 pairs.")
                   .arg(TPairTable::MaxFaces / 2));
    TPairSides pair = {Side(Cells[0]), Side(Cells[1])};
    for (qsizetype c = 2; c < Cells.size(); ++c) {
      if (Cells[c].isEmpty())
        continue;
      TPairSide& side = pair[size_t(FColumns[c].first)];
      if (!side.Language.isEmpty() || side.Texts.contains(FColumns[c].second))
        FailHere(QCoreApplication::translate(
                     "Deckwright",
                     "column %1 gives a word a second text (a word of one language takes no "
                     "translation).")
                     .arg(c + 1));
      side.Texts.insert(FColumns[c].second, Checked(Cells[c]));
    }
    FSheet.Pairs.push_back(pair);
  }

  QString FPath;
  QDir FFolder;
  int FLine = 0;
  bool FStarted = false;
  QList<std::pair<int, QString>> FColumns; // side (0 left, 1 right) and language; header only
  TPairSheet FSheet;
};

} // namespace

TPairSheet ReadPairSheet(const QString& Path) {
  const QByteArray bytes = ReadInputFile(Path, Path, TPairSheet::MaxBytes);
  QStringDecoder decoder(QStringDecoder::Utf8); // a leading byte order mark is dropped
  const QString text = decoder(bytes);
  if (decoder.hasError())
    Fail(QStringLiteral("%1: %2").arg(
        Path, QCoreApplication::translate("Deckwright", "not UTF-8 text.")));
  return TSheetReader(Path).Read(text);
}
