// kvres: lists, extracts and packs the entry container of tesselo.dat and the card sets.
#include "KVRStream.h"
#include "KVRWriter.h"

#include <QBuffer>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const char* const UsageText =
    "Usage: kvres list FILE\n"
    "       kvres cat FILE INDEX\n"
    "       kvres pack OUT ENTRY...\n"
    "       kvres --help\n"
    "\n"
    "Reads and writes the entry container of tesselo.dat and the card sets (*.crd).\n"
    "\n"
    "  list   one line per entry: INDEX KIND SIZE OFFSET (decimal; SIZE is the stored size)\n"
    "  cat    writes the content of entry INDEX to standard output as the game reads it:\n"
    "         compressed entries inflated, bitmap entries starting with \"BM\"\n"
    "  pack   writes a new archive OUT with one entry per ENTRY, in order from 0:\n"
    "           plain:PATH  the file as it is (kind 0)\n"
    "           bmp:PATH    a bitmap (kind 1)\n"
    "           zlib:PATH   the file compressed with zlib (kind -1)\n"
    "         OUT is replaced only when the whole archive has been written.\n"
    "\n"
    "Exit status: 0 on success, 1 on any error (reported on standard error).\n";

// A failure that ends the tool; the text names the file and the problem.
struct TToolError {
  QString Text;
};

[[noreturn]] void Fail(const QString& File, const QString& Problem) {
  throw TToolError{File + QStringLiteral(": ") + Problem};
}

QString Arg(char* Raw) {
  return QFile::decodeName(Raw);
}

// Opens FileName and reads its directory; a directory that cannot be read is an error here,
// unlike in the game, because the user asked about this very file.
struct TOpenArchive {
  explicit TOpenArchive(const QString& FileName) : File(FileName) {
    if (!File.open(QIODevice::ReadOnly))
      Fail(FileName, QStringLiteral("cannot be opened: ") + File.errorString());
    Reader.SetStream(&File);
    if (!Reader.ReadDirectory())
      Fail(FileName, QStringLiteral("is not an archive: its directory is damaged"));
  }
  QFile File;
  TKVResReader Reader;
};

void WriteStdout(const QByteArray& Bytes) {
  QFile out;
  if (!out.open(stdout, QIODevice::WriteOnly) || out.write(Bytes) != Bytes.size() || !out.flush())
    Fail(QStringLiteral("standard output"), QStringLiteral("cannot be written"));
}

void List(const QString& FileName) {
  TOpenArchive archive(FileName);
  QByteArray text;
  for (int i = 0; i < archive.Reader.Count; ++i) {
    const TResEntry& e = archive.Reader.Entries[i];
    text += QStringLiteral("%1 %2 %3 %4\n")
                .arg(i)
                .arg(e.Kind)
                .arg(e.Size)
                .arg(archive.Reader.Offsets[i])
                .toUtf8();
  }
  WriteStdout(text);
}

void Cat(const QString& FileName, const QString& IndexText) {
  bool ok = false;
  const int index = IndexText.toInt(&ok, 10);
  if (!ok)
    Fail(FileName, QStringLiteral("\"%1\" is not an entry number").arg(IndexText));
  TOpenArchive archive(FileName);
  QByteArray content;
  QBuffer dest(&content);
  dest.open(QIODevice::ReadWrite);
  try {
    archive.Reader.ReadToStream(index, dest);
  } catch (const EKVResError& e) {
    Fail(FileName, QString::fromStdString(e.what()));
  }
  WriteStdout(content);
}

QByteArray ReadInput(const QString& Path) {
  QFile file(Path);
  const auto cannotRead = [&] {
    Fail(Path, QStringLiteral("cannot be read: ") + file.errorString());
  };
  if (!file.open(QIODevice::ReadOnly))
    cannotRead();
  // Checked before reading, so a huge file is refused instead of filling memory.
  if (file.size() >= qint64(1) << 31)
    Fail(Path, QStringLiteral("is too large for an archive entry (2 GiB or more)"));
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    cannotRead();
  return bytes;
}

void AddEntry(TKVResWriter& Writer, const QString& EntryArg) {
  const qsizetype colon = EntryArg.indexOf(QLatin1Char(':'));
  const QString kind = EntryArg.left(colon);
  const QString path = EntryArg.mid(colon + 1);
  if (colon < 0 || path.isEmpty() || !QStringList{"plain", "bmp", "zlib"}.contains(kind))
    Fail(EntryArg, QStringLiteral("is not an entry; write plain:PATH, bmp:PATH or zlib:PATH"));
  const QByteArray content = ReadInput(path);
  try {
    if (kind == QLatin1String("plain"))
      Writer.AddPlain(content);
    else if (kind == QLatin1String("bmp"))
      Writer.AddBitmap(content);
    else
      Writer.AddCompressed(content);
  } catch (const EKVResError& e) {
    Fail(path, QString::fromStdString(e.what()));
  }
}

void Pack(const QString& Out, const QStringList& EntryArgs) {
  TKVResWriter writer;
  for (const QString& entryArg : EntryArgs)
    AddEntry(writer, entryArg);
  try {
    writer.SaveToFile(Out);
  } catch (const EKVResError& e) {
    // The writer's message already names the file.
    throw TToolError{QString::fromStdString(e.what())};
  }
}

int Usage(const QString& Problem) {
  QTextStream(stderr) << "kvres: " << Problem << "; see kvres --help\n";
  return 1;
}

} // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i)
    args << Arg(argv[i]);
  if (args.isEmpty())
    return Usage(QStringLiteral("no command given"));
  const QString command = args.takeFirst();
  try {
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
      std::fputs(UsageText, stdout);
    } else if (command == QLatin1String("list") && args.size() == 1) {
      List(args[0]);
    } else if (command == QLatin1String("cat") && args.size() == 2) {
      Cat(args[0], args[1]);
    } else if (command == QLatin1String("pack") && !args.isEmpty()) {
      const QString out = args.takeFirst();
      Pack(out, args);
    } else if (QStringList{"list", "cat", "pack"}.contains(command)) {
      return Usage(QStringLiteral("wrong arguments for %1").arg(command));
    } else {
      return Usage(QStringLiteral("unknown command \"%1\"").arg(command));
    }
  } catch (const TToolError& e) {
    QTextStream(stderr) << "kvres: " << e.Text << '\n';
    return 1;
  }
  return 0;
}
