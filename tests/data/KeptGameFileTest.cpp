// The kept game's file: what is saved comes back whole, and nothing damaged or hostile does.
#include "KeptGameFile.h"
#include "../engine/EngineTestDoubles.h"
#include "KVRWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// A game of the computer and a player with an awkward name, kept with a first pick face up;
// Mixed deals a set whose pairs are two different faces.
TKeptGameRecord KeptRecord(bool Mixed = false) {
  EngineFixture f(11);
  for (int32_t p = 0; Mixed && p < 30; ++p)
    f.Cards.Header.Pairs.push_back({p, 30 + p});
  f.Start(8, true, {"Computer", "B\u00f8 \"\\\n"}, 10);
  const GameState& state = f.Engine.State();
  while (state.PickNo != 2 || state.PairsFound == 0) {
    if (f.View.TimerRunning) {
      f.Engine.close_pair();
      continue;
    }
    const Board& cells = f.Engine.Cells();
    for (int32_t k = 0; k < cells.CellCount(); ++k) {
      const int32_t col = k % cells.Cols;
      const int32_t row = k / cells.Cols;
      if (cells.StateAt(col, row) == CellState::FaceDown &&
          (state.PickNo == 1 || cells.IdAt(col, row) == state.TurnPicks[1].CardId)) {
        f.Engine.SelectCell(col, row);
        break;
      }
    }
  }
  return {*KeepGame(f.Engine.State()), {5, false}, {"set.crd", 7, 8, QByteArray(64, 'a')}};
}

void Write(const QString& Path, const QByteArray& Bytes) {
  QFile file(Path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(Bytes);
}

TEST(KeptGameFile, ComesBackWholeAndNamesItsSet) {
  const QTemporaryDir dir;
  const QString path = dir.filePath("kept/kept-game.json");
  const TKeptGameRecord record = KeptRecord();
  QString problem;
  for (const TKeptGameRecord& kept : {KeptRecord(true), record}) {
    ASSERT_TRUE(SaveKeptGame(path, kept, &problem)) << problem.toStdString();
    const auto loaded = LoadKeptGame(path, &problem);
    ASSERT_TRUE(loaded) << problem.toStdString();
    EXPECT_EQ(KeptGameBytes(*loaded), KeptGameBytes(kept));
  }
  TKeptGameRecord impossible = record;
  ++impossible.Game.PairsFound;
  EXPECT_FALSE(SaveKeptGame(path, impossible, &problem));
  EXPECT_TRUE(LoadKeptGame(path, &problem)) << "a refused save leaves the game kept before";

  const QString set = dir.filePath("set.crd");
  TKVResWriter writer;
  writer.AddPlain(QByteArray(40, 'h'));
  writer.SaveToFile(set);
  const auto identity = CardSetIdentityOf(set);
  ASSERT_TRUE(identity);
  EXPECT_TRUE(IsSameCardSet(*identity, set));
  Write(set, writer.ToBytes() + "x");
  EXPECT_FALSE(IsSameCardSet(*identity, set));
  ASSERT_TRUE(DiscardKeptGame(path) && DiscardKeptGame(path));
  EXPECT_FALSE(LoadKeptGame(path, &problem));
  EXPECT_TRUE(problem.isEmpty()) << "no game kept is no problem";
}

TEST(KeptGameFile, DamagedOrHostileFilesAreRefusedWithOneLine) {
  const QTemporaryDir dir;
  const QByteArray good = KeptGameBytes(KeptRecord());
  ASSERT_TRUE(KeptGameFromBytes(good, nullptr));
  auto edited = [&](const QString& Part, const QString& Key, const QJsonValue& Value) {
    QJsonObject root = QJsonDocument::fromJson(good).object();
    QJsonObject part = Part.isEmpty() ? root : root[Part].toObject();
    part[Key] = Value;
    if (!Part.isEmpty()) {
      root[Part] = part;
    }
    return QJsonDocument(Part.isEmpty() ? part : root).toJson();
  };
  const QByteArray cases[] = {
      "",
      good.left(good.size() / 2),
      "[1, 2]",
      edited("", "version", 2),
      edited("game", "rows", 99),
      edited("game", "cols", 3),
      edited("game", "pairsFound", 0),
      edited("game", "players", QJsonValue()),
      edited("settings", "delay", 9),
      edited("cardSet", "file", "../x"),
      edited("cardSet", "header", "zz"),
      edited("game", "level", 2.5),
      good + QByteArray(MaxKeptGameFileSize, ' '),
  };
  for (const QByteArray& bytes : cases) {
    const QString path = dir.filePath("kept-game.json");
    Write(path, bytes);
    QString problem;
    EXPECT_FALSE(LoadKeptGame(path, &problem)) << bytes.left(80).toStdString();
    EXPECT_FALSE(problem.isEmpty() || problem.contains(u'\n')) << problem.toStdString();
  }
  const QString fifo = dir.filePath("fifo.json");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QString problem;
  EXPECT_FALSE(LoadKeptGame(fifo, &problem) || problem.isEmpty() || CardSetIdentityOf(fifo));
}

} // namespace
