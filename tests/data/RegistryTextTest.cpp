// The registry text-export reader and writer: byte fixtures written here, in the form the
// registry editor exports (REGEDIT4, CRLF), and damaged variants of them.
#include "RegistryText.h"

#include "Product.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

const QByteArray GamePath = QByteArray("HKEY_CURRENT_USER\\") + product::SettingsKey;
const QByteArray Sample = "REGEDIT4\r\n\r\n[" + GamePath +
                          "]\r\n"
                          "\"Pairs\"=dword:0000000c\r\n"
                          "\"Cards\"=\"animals.crd\"\r\n"
                          "\"Player1\"=\"Ann \\\"the \\\\ one\\\"\"\r\n"
                          "@=\"default\"\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                          "\"Blob\"=hex:01,02,03,\\\r\n"
                          "  04,05\r\n"
                          "\"Expand\"=hex(2):25,00,00,00\r\n"
                          "\r\n";

TEST(RegistryTextTest, ReadsEveryKindOfValue) {
  const auto Document = ParseRegistryText(Sample);
  ASSERT_TRUE(Document);
  ASSERT_EQ(Document->Keys.size(), 2u);
  const RegistryKey& Game = Document->Keys[0];
  EXPECT_EQ(Game.Path, QString::fromLatin1(GamePath));
  ASSERT_EQ(Game.Values.size(), 4u);
  EXPECT_EQ(Game.Values[0].Kind, RegistryValueKind::Dword);
  EXPECT_EQ(Game.Values[0].Dword, 12u);
  EXPECT_EQ(Game.Values[1].Text, "animals.crd");
  EXPECT_EQ(Game.Values[2].Text, "Ann \"the \\ one\"");
  EXPECT_TRUE(Game.Values[3].Name.isEmpty());
  const RegistryKey& Other = Document->Keys[1];
  ASSERT_EQ(Other.Values.size(), 2u);
  EXPECT_EQ(Other.Values[0].Kind, RegistryValueKind::Other);
  EXPECT_EQ(Other.Values[0].Text, "hex:01,02,03,\\\n  04,05");
}

TEST(RegistryTextTest, WritesBackTheSameBytes) {
  const auto Document = ParseRegistryText(Sample);
  ASSERT_TRUE(Document);
  EXPECT_EQ(FormatRegistryText(*Document), Sample);
}

TEST(RegistryTextTest, EscapesNamesAndTextsThatNeedIt) {
  RegistryDocument Document;
  Document.Keys.push_back(RegistryKey{"HKEY_CURRENT_USER\\K", {}});
  Document.Keys[0].Values.push_back(
      RegistryValue{"a\"b\\c", RegistryValueKind::String, 0, "C:\\Games\\\"x\"\\"});
  Document.Keys[0].Values.push_back(RegistryValue{"ü", RegistryValueKind::String, 0, "Zoë €"});
  Document.Keys[0].Values.push_back(
      RegistryValue{"Neg", RegistryValueKind::Dword, 0xfffffffeu, ""});
  const QByteArray Bytes = FormatRegistryText(Document);
  EXPECT_TRUE(Bytes.contains("\"a\\\"b\\\\c\"=\"C:\\\\Games\\\\\\\"x\\\"\\\\\"\r\n"));
  EXPECT_TRUE(Bytes.contains("\"Neg\"=dword:fffffffe\r\n"));
  EXPECT_TRUE(Bytes.contains(QStringLiteral("\"ü\"=\"Zoë €\"").toUtf8()));
  const auto Back = ParseRegistryText(Bytes);
  ASSERT_TRUE(Back);
  EXPECT_EQ(*Back, Document);
}

TEST(RegistryTextTest, AcceptsTheHabitsOfOtherWriters) {
  // LF line ends, a byte-order mark, the newer header, upper-case hex, comments, no final
  // line end.
  const QByteArray Bytes = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n"
                           "; written by hand\n"
                           "[HKEY_CURRENT_USER\\A]\n"
                           "\"Level\"=DWORD:0000000A\n"
                           "\"Name\"=\"x\"   ";
  const auto Document = ParseRegistryText(Bytes);
  ASSERT_TRUE(Document);
  ASSERT_EQ(Document->Keys.size(), 1u);
  ASSERT_EQ(Document->Keys[0].Values.size(), 2u);
  EXPECT_EQ(Document->Keys[0].Values[0].Dword, 10u);
  EXPECT_EQ(Document->Keys[0].Values[1].Text, "x");
}

TEST(RegistryTextTest, RepeatedKeysMergeAndTheLastValueWins) {
  const QByteArray Bytes = "REGEDIT4\r\n"
                           "[HKEY_CURRENT_USER\\A]\r\n\"X\"=dword:00000001\r\n\"Y\"=\"y\"\r\n"
                           "[HKEY_CURRENT_USER\\B]\r\n\"Z\"=\"z\"\r\n"
                           "[hkey_current_user\\a]\r\n\"x\"=\"two\"\r\n";
  auto Document = ParseRegistryText(Bytes);
  ASSERT_TRUE(Document);
  ASSERT_EQ(Document->Keys.size(), 2u);
  RegistryKey* A = FindRegistryKey(*Document, "HKEY_CURRENT_USER\\a");
  ASSERT_NE(A, nullptr);
  ASSERT_EQ(A->Values.size(), 2u);
  EXPECT_EQ(A->Values[0].Kind, RegistryValueKind::String);
  EXPECT_EQ(A->Values[0].Text, "two");
  EXPECT_EQ(FindRegistryValue(*A, "y")->Text, "y");
}

TEST(RegistryTextTest, RefusesDamagedText) {
  const QByteArray Head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n";
  const std::vector<std::pair<const char*, QByteArray>> Cases = {
      {"empty", ""},
      {"no header", "[HKEY_CURRENT_USER\\A]\r\n"},
      {"header only in part", "REGED"},
      {"cut inside a key line", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Sof"},
      {"empty key path", "REGEDIT4\r\n[]\r\n"},
      {"value before any key", "REGEDIT4\r\n\"Pairs\"=dword:00000008\r\n"},
      {"cut inside a string", Head + "\"Cards\"=\"anim"},
      {"cut inside a name", Head + "\"Car"},
      {"cut inside a dword", Head + "\"Pairs\"=dword:0000000"},
      {"dword too long", Head + "\"Pairs\"=dword:000000008"},
      {"dword with a sign", Head + "\"Pairs\"=dword:+0000008"},
      {"dword with a prefix", Head + "\"Pairs\"=dword:0x000008"},
      {"dword not hex", Head + "\"Pairs\"=dword:0000000g"},
      {"unknown escape", Head + "\"Cards\"=\"a\\nb\"\r\n"},
      {"text after a string", Head + "\"Cards\"=\"a\" b\r\n"},
      {"no equals sign", Head + "\"Cards\" \"a\"\r\n"},
      {"empty data", Head + "\"Cards\"=\r\n"},
      {"continuation at the end", Head + "\"Blob\"=hex:01,\\"},
      {"bare carriage return", Head + "\"Cards\"=\"a\rb\"\r\n"},
      {"not UTF-8", Head + "\"Player1\"=\"Zo\xEB\"\r\n"},
      {"stray line", Head + "Pairs=8\r\n"},
      {"binary", QByteArray("\x00\x01\xff\xfeREGEDIT4", 12)},
  };
  for (const auto& [Name, Bytes] : Cases) {
    EXPECT_FALSE(ParseRegistryText(Bytes)) << Name;
  }
}

// Whatever the bytes, reading returns; what it accepts it writes back to the same document.
TEST(RegistryTextTest, RandomDamageNeverCrashesAndAcceptedTextRoundTrips) {
  QRandomGenerator Random(20261208);
  int Accepted = 0;
  for (int Round = 0; Round < 3000; ++Round) {
    QByteArray Bytes = Sample;
    const int Edits = 1 + Random.bounded(4);
    for (int E = 0; E < Edits; ++E) {
      const int Pos = Random.bounded(int(Bytes.size()));
      switch (Random.bounded(3)) {
      case 0:
        Bytes[Pos] = char(Random.bounded(256));
        break;
      case 1:
        Bytes.truncate(Pos);
        break;
      default:
        Bytes.insert(Pos, "\\\"[]=\r\n@"[Random.bounded(8)]);
        break;
      }
      if (Bytes.isEmpty()) {
        break;
      }
    }
    const auto Document = ParseRegistryText(Bytes);
    if (!Document) {
      continue;
    }
    ++Accepted;
    const auto Again = ParseRegistryText(FormatRegistryText(*Document));
    ASSERT_TRUE(Again) << Bytes.toPercentEncoding().constData();
    EXPECT_TRUE(*Again == *Document) << Bytes.toPercentEncoding().constData();
  }
  EXPECT_GT(Accepted, 0);
}

// Regression guard: repeated names are found through an index, so a megabyte of keys or of
// values in one key reads in linear time.
TEST(RegistryTextTest, ManyKeysAndValuesReadInLinearTime) {
  QByteArray Bytes = "REGEDIT4\r\n";
  for (int I = 0; I < 20000; ++I) {
    Bytes += "[HKEY_CURRENT_USER\\K" + QByteArray::number(I) + "]\r\n";
  }
  Bytes += "[HKEY_CURRENT_USER\\V]\r\n";
  for (int I = 0; I < 20000; ++I) {
    Bytes += "\"N" + QByteArray::number(I) + "\"=dword:00000001\r\n";
  }
  const auto Document = ParseRegistryText(Bytes);
  ASSERT_TRUE(Document);
  EXPECT_EQ(Document->Keys.size(), 20001u);
  EXPECT_EQ(Document->Keys.back().Values.size(), 20000u);
}

} // namespace
