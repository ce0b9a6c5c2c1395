#include "FuzzCheck.h"
#include "FuzzEntries.h"

#include "RtfReader.h"
#include "RtfWriter.h"

#include <QTextDocument>

namespace fuzzentry {
namespace {

void CheckRead(const TRtfReadResult& Result) {
  if (!Result.Ok) {
    Check(!Result.Error.isEmpty(), "a refused document says why");
    return;
  }
  Check(!Result.Document.Paragraphs.empty(), "a document read has a paragraph");
  for (const TRtfParagraph& paragraph : Result.Document.Paragraphs)
    for (const TRtfRun& run : paragraph.Runs)
      Check(!run.Text.contains(QChar::ParagraphSeparator) && !run.Text.contains(u'\n'),
            "a run holds no paragraph break");
}

// The help viewer shows what it reads; what the writer makes of it reads back to the same text.
void CheckShownAndWritten(const TRtfDocument& Rtf) {
  QTextDocument shown;
  ApplyRtf(Rtf, shown);
  Check(size_t(shown.blockCount()) == Rtf.Paragraphs.size(), "one block per paragraph");
  const QByteArray written = WriteRtf(shown).toLatin1();
  QTextDocument again;
  QString error;
  Check(ReadRtf(written, again, &error), "written rich text reads back");
  Check(again.toPlainText() == shown.toPlainText(), "written rich text keeps its text");
}

} // namespace

int Rtf(const uint8_t* Data, size_t Size) {
  const TRtfReadResult result = ParseRtf(QByteArrayView(Data, qsizetype(Size)));
  CheckRead(result);
  if (result.Ok)
    CheckShownAndWritten(result.Document);
  return 0;
}

} // namespace fuzzentry
