// Runs the built kvres the way a skin maker would, and checks its output, files and status.
#include "KVRStream.h"
#include "KVRWriter.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
  int Status = -1;
  QByteArray Out;
  QByteArray Err;
};

ToolRun Kvres(const QStringList& args) {
  QProcess p;
  p.start(testsupport::ProgramDir() + "/kvres", args);
  ToolRun r;
  if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
    return r;
  r.Status = p.exitCode();
  r.Out = p.readAllStandardOutput();
  r.Err = p.readAllStandardError();
  return r;
}

class KvresTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(Dir.isValid()); }
  QString Path(const QString& name) const { return Dir.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return Path(name);
  }
  // An error is one line on standard error naming the file, with status 1 and no output.
  static void ExpectError(const ToolRun& r, const QString& names) {
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Out.isEmpty());
    EXPECT_TRUE(r.Err.endsWith('\n')) << r.Err.toStdString();
    EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
    EXPECT_TRUE(r.Err.contains(names.toUtf8())) << r.Err.toStdString();
  }
  QTemporaryDir Dir;
};

} // namespace

TEST_F(KvresTest, PackListAndCatRoundTrip) {
  const QByteArray text = "http://example.com/cover";
  const QByteArray picture = QByteArray("\0\0", 2) + QByteArray(3000, 'p');
  const QByteArray big = QByteArray(100000, 'z') + "end";
  const QString out = Path("skin.dat");
  const ToolRun pack = Kvres({"pack", out, "plain:" + Write("link.txt", text),
                              "bmp:" + Write("pic.bmp", picture), "zlib:" + Write("big.bin", big)});
  ASSERT_EQ(pack.Status, 0) << pack.Err.toStdString();
  EXPECT_TRUE(pack.Err.isEmpty());

  TKVResFileReader reader(out);
  ASSERT_EQ(reader.Count, 3);
  const qint32 packedSize = reader.Entries[2].Size;
  EXPECT_LT(packedSize, 1000);
  const ToolRun list = Kvres({"list", out});
  EXPECT_EQ(list.Status, 0);
  EXPECT_EQ(list.Out,
            QStringLiteral("0 0 24 32\n1 1 3002 56\n2 -1 %1 3058\n").arg(packedSize).toUtf8());

  EXPECT_EQ(Kvres({"cat", out, "0"}).Out, text);
  EXPECT_EQ(Kvres({"cat", out, "1"}).Out, "BM" + picture.mid(2));
  const ToolRun cat = Kvres({"cat", out, "2"});
  EXPECT_EQ(cat.Status, 0);
  EXPECT_EQ(cat.Out, big);
}

TEST_F(KvresTest, HelpAndUsage) {
  const ToolRun help = Kvres({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_TRUE(help.Out.contains("kvres pack OUT ENTRY..."));
  for (const QStringList& args : {QStringList{}, QStringList{"extract", "x"}, QStringList{"list"},
                                  QStringList{"cat", "a.dat"}}) {
    const ToolRun r = Kvres(args);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Err.count('\n'), 1);
    EXPECT_TRUE(r.Err.contains("--help"));
  }
}

TEST_F(KvresTest, ReadErrorsNameTheFile) {
  TKVResWriter w;
  w.AddPlain("only");
  w.AddRaw(-1, "definitely not zlib");
  const QString good = Path("good.dat");
  w.SaveToFile(good);
  ExpectError(Kvres({"list", Path("missing.dat")}), "missing.dat");
  ExpectError(Kvres({"cat", good, "2"}), "good.dat");
  ExpectError(Kvres({"cat", good, "-1"}), "good.dat");
  ExpectError(Kvres({"cat", good, "one"}), "good.dat");
  ExpectError(Kvres({"cat", good, "1"}), "good.dat");

  QByteArray damaged = w.ToBytes();
  damaged[4] = char(0x7F); // entry count far beyond the file
  ExpectError(Kvres({"list", Write("damaged.dat", damaged)}), "damaged.dat");
  const QByteArray truncated = w.ToBytes().left(w.ToBytes().size() - 3);
  ExpectError(Kvres({"cat", Write("cut.dat", truncated), "1"}), "cut.dat");
}

TEST_F(KvresTest, FailedPackLeavesNothingAtOut) {
  const QString input = Write("a.txt", "abc");
  const QString out = Path("out.dat");
  ExpectError(Kvres({"pack", out, "plain:" + input, "zlib:" + Path("gone.bin")}), "gone.bin");
  EXPECT_FALSE(QFile::exists(out));
  ExpectError(Kvres({"pack", out, "png:" + input}), "png:");
  EXPECT_FALSE(QFile::exists(out));
  ExpectError(Kvres({"pack", Path("no/such/folder.dat"), "plain:" + input}), "folder.dat");

  // A failed pack over an existing archive keeps the old one whole.
  ASSERT_EQ(Kvres({"pack", out, "plain:" + input}).Status, 0);
  const QByteArray before = testsupport::ReadFileBytes(out);
  ExpectError(Kvres({"pack", out, "bmp:" + Path("gone.bmp")}), "gone.bmp");
  EXPECT_EQ(testsupport::ReadFileBytes(out), before);
  EXPECT_TRUE(QDir(Dir.path()).entryList({"out.dat*"}, QDir::Files | QDir::Hidden).size() == 1);
}
