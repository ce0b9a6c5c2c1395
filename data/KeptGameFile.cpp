#include "KeptGameFile.h"

#include "CardSetFile.h"
#include "RegistryFile.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint32 MaxDelayIndex = 8; // the options' list: 1 to 5 seconds by halves
constexpr int MaxNameLength = 256;
constexpr int MaxFileNameLength = 255;
// JSON numbers are doubles: sizes and times stay where they are exact.
constexpr qint64 MaxExactNumber = qint64(1) << 53;
constexpr qint64 Int32Min = std::numeric_limits<int32_t>::min();
constexpr qint64 Int32Max = std::numeric_limits<int32_t>::max();
constexpr int DigestHexLength = 64;

void SetProblem(QString* Problem, const QString& Text) {
  if (Problem != nullptr) {
    *Problem = Text;
  }
}

// Thrown by the reader at the first field it refuses; never leaves this file.
struct EBadRecord {
  QString Why;
};

[[noreturn]] void Refuse(const char* Key) {
  throw EBadRecord{QStringLiteral("\"%1\" is missing or out of range").arg(QLatin1String(Key))};
}

qint64 NumberOf(const QJsonValue& Value, const char* Key, qint64 Min, qint64 Max) {
  const double number = Value.toDouble();
  if (!Value.isDouble() || number != std::floor(number) || number < double(Min) ||
      number > double(Max)) {
    Refuse(Key);
  }
  return qint64(number);
}

qint64 Number(const QJsonObject& Object, const char* Key, qint64 Min = Int32Min,
              qint64 Max = Int32Max) {
  return NumberOf(Object.value(QLatin1String(Key)), Key, Min, Max);
}

QJsonArray Array(const QJsonObject& Object, const char* Key, qsizetype MinSize, qsizetype MaxSize) {
  const QJsonValue value = Object.value(QLatin1String(Key));
  const QJsonArray array = value.toArray();
  if (!value.isArray() || array.size() < MinSize || array.size() > MaxSize) {
    Refuse(Key);
  }
  return array;
}

QJsonObject ObjectOf(const QJsonValue& Value, const char* Key) {
  if (!Value.isObject()) {
    Refuse(Key);
  }
  return Value.toObject();
}

bool Flag(const QJsonObject& Object, const char* Key) {
  const QJsonValue value = Object.value(QLatin1String(Key));
  if (!value.isBool()) {
    Refuse(Key);
  }
  return value.toBool();
}

QString Text(const QJsonObject& Object, const char* Key, int MaxLength) {
  const QJsonValue value = Object.value(QLatin1String(Key));
  if (!value.isString() || value.toString().size() > MaxLength) {
    Refuse(Key);
  }
  return value.toString();
}

QJsonArray Numbers(const auto& Values, int Count) {
  QJsonArray array;
  for (int i = 0; i < Count; ++i) {
    array.append(qint64(Values[i]));
  }
  return array;
}

QJsonObject GameObject(const KeptGame& Game) {
  const Board& cells = Game.Cells;
  QJsonArray cards;
  QJsonArray states;
  QJsonArray sides;
  for (int32_t row = 0; row < cells.Rows; ++row) {
    for (int32_t col = 0; col < cells.Cols; ++col) {
      cards.append(cells.CellId[row][col]);
      states.append(static_cast<int32_t>(cells.CellState[row][col]));
      sides.append(cells.CellSide[row][col]);
    }
  }
  QJsonArray players;
  for (int32_t slot = 1; slot <= MaxPlayerSlots; ++slot) {
    players.append(QJsonObject{{"name", QString::fromStdString(Game.Players[slot].Name)},
                               {"pairs", Game.Players[slot].Pairs}});
  }
  QJsonArray memory;
  for (int32_t i = 1; i <= Game.Memory.MemorySize; ++i) {
    const MemoryEntry& entry = Game.Memory.Entries[i];
    memory.append(QJsonArray{entry.CardId, entry.Col, entry.Row});
  }
  const CardSetHeaderInfo& header = Game.CardSet;
  QJsonObject game{{"rows", cells.Rows},
                   {"cols", cells.Cols},
                   {"cards", cards},
                   {"states", states},
                   {"header", QJsonObject{{"width", header.CardWidth},
                                          {"height", header.CardHeight},
                                          {"images", header.ImageCount},
                                          {"kind", header.ImageKind}}},
                   {"faces", Numbers(Game.Faces, int(Game.Faces.size()))},
                   {"players", players},
                   {"playerCount", Game.PlayerCount},
                   {"currentPlayer", Game.CurrentPlayer},
                   {"pickNo", Game.PickNo},
                   {"pairsFound", Game.PairsFound},
                   {"runCount", Game.RunCount},
                   {"computer", Game.ComputerOn},
                   {"level", Game.Level},
                   {"memory", memory}};
  // Only a set whose pairs are two different cards shows which card of its pair a cell holds.
  if (cells.TwoFacesACard(Game.Faces.size())) {
    game.insert("sides", sides);
  }
  if (Game.PickNo == 2) {
    game.insert("firstPick", QJsonArray{Game.FirstPick.Col, Game.FirstPick.Row});
  }
  return game;
}

Board ReadCells(const QJsonObject& Game) {
  Board cells;
  cells.Rows = int32_t(Number(Game, "rows", 1, MaxBoardSide));
  cells.Cols = int32_t(Number(Game, "cols", 1, MaxBoardSide));
  const qsizetype count = cells.CellCount();
  const QJsonArray cards = Array(Game, "cards", count, count);
  const QJsonArray states = Array(Game, "states", count, count);
  for (qsizetype i = 0; i < count; ++i) {
    const qsizetype row = i / cells.Cols;
    const qsizetype col = i % cells.Cols;
    cells.CellId[row][col] = int32_t(NumberOf(cards[i], "cards", 0, cells.PairCount()));
    cells.CellState[row][col] = CellState(NumberOf(states[i], "states", 0, 2));
  }
  if (Game.contains("sides")) {
    const QJsonArray sides = Array(Game, "sides", count, count);
    for (qsizetype i = 0; i < count; ++i) {
      cells.CellSide[i / cells.Cols][i % cells.Cols] = uint8_t(NumberOf(sides[i], "sides", 0, 1));
    }
  }
  return cells;
}

KeptGame ReadGame(const QJsonObject& Object) {
  KeptGame game;
  game.Cells = ReadCells(Object);
  const QJsonObject header = ObjectOf(Object.value("header"), "header");
  game.CardSet = {int32_t(Number(header, "width")),
                  int32_t(Number(header, "height")),
                  int32_t(Number(header, "images")),
                  int32_t(Number(header, "kind")),
                  {}};
  for (const QJsonValue face : Array(Object, "faces", 0, 2 * game.Cells.PairCount())) {
    game.Faces.push_back(int32_t(NumberOf(face, "faces", Int32Min, Int32Max)));
  }
  const QJsonArray players = Array(Object, "players", MaxPlayerSlots, MaxPlayerSlots);
  for (int32_t slot = 1; slot <= MaxPlayerSlots; ++slot) {
    const QJsonObject player = ObjectOf(players[slot - 1], "players");
    game.Players[slot] = {Text(player, "name", MaxNameLength).toStdString(),
                          int32_t(Number(player, "pairs"))};
  }
  game.PlayerCount = int32_t(Number(Object, "playerCount"));
  game.CurrentPlayer = int32_t(Number(Object, "currentPlayer"));
  game.PickNo = int32_t(Number(Object, "pickNo"));
  if (game.PickNo == 2) {
    const QJsonArray pick = Array(Object, "firstPick", 2, 2);
    game.FirstPick.Col = int32_t(NumberOf(pick[0], "firstPick", 0, MaxBoardSide - 1));
    game.FirstPick.Row = int32_t(NumberOf(pick[1], "firstPick", 0, MaxBoardSide - 1));
    game.FirstPick.CardId = game.Cells.IdAt(game.FirstPick.Col, game.FirstPick.Row);
  }
  game.PairsFound = int32_t(Number(Object, "pairsFound"));
  game.RunCount = int32_t(Number(Object, "runCount"));
  game.ComputerOn = Flag(Object, "computer");
  game.Level = int32_t(Number(Object, "level"));
  const QJsonArray memory = Array(Object, "memory", 1, MemoryCapacity);
  game.Memory.MemorySize = int32_t(memory.size());
  for (qsizetype i = 0; i < memory.size(); ++i) {
    const QJsonArray entry = memory[i].toArray();
    if (!memory[i].isArray() || entry.size() != 3) {
      Refuse("memory");
    }
    game.Memory.Entries[i + 1] = {int32_t(NumberOf(entry[0], "memory", Int32Min, Int32Max)),
                                  int32_t(NumberOf(entry[1], "memory", Int32Min, Int32Max)),
                                  int32_t(NumberOf(entry[2], "memory", Int32Min, Int32Max))};
  }
  return game;
}

TCardSetIdentity ReadIdentity(const QJsonObject& Object) {
  TCardSetIdentity identity;
  identity.FileName = Text(Object, "file", MaxFileNameLength);
  if (identity.FileName.isEmpty() || identity.FileName.contains(u'/')) {
    Refuse("file");
  }
  identity.Size = Number(Object, "size", 0, MaxExactNumber);
  identity.ModifiedMs = Number(Object, "modified", -MaxExactNumber, MaxExactNumber);
  identity.HeaderDigest = Text(Object, "header", DigestHexLength).toLatin1();
  if (identity.HeaderDigest.size() != DigestHexLength ||
      QByteArray::fromHex(identity.HeaderDigest).toHex() != identity.HeaderDigest) {
    Refuse("header");
  }
  return identity;
}

TKeptGameRecord ReadRecord(const QJsonObject& Root) {
  const QJsonValue version = Root.value("version");
  if (!version.isDouble() || version.toDouble() != KeptGameFileVersion) {
    throw EBadRecord{QStringLiteral("its version is not one this game reads")};
  }
  TKeptGameRecord record;
  const QJsonObject settings = ObjectOf(Root.value("settings"), "settings");
  record.Settings.Delay = qint32(Number(settings, "delay", 0, MaxDelayIndex));
  record.Settings.Sound = Flag(settings, "sound");
  record.CardSet = ReadIdentity(ObjectOf(Root.value("cardSet"), "cardSet"));
  record.Game = ReadGame(ObjectOf(Root.value("game"), "game"));
  if (const auto problem = CheckKeptGame(record.Game)) {
    throw EBadRecord{
        QStringLiteral("the game in it is impossible (%1)").arg(QString::fromStdString(*problem))};
  }
  return record;
}

} // namespace

QString DefaultKeptGameFilePath() {
  return QFileInfo(DefaultRegistryFilePath()).dir().filePath(QStringLiteral("kept-game.json"));
}

std::optional<TCardSetIdentity> CardSetIdentityOf(const QString& Path, QString* Problem) {
  struct stat info {};
  const QByteArray name = QFile::encodeName(Path);
  const int fd = OpenRegularFile(AT_FDCWD, name.constData(), info);
  const int error = errno;
  const TFileDescriptor file(fd);
  if (fd < 0) {
    SetProblem(Problem,
               CannotOpenCardSetText(Path, fd == NotARegularFile
                                               ? QStringLiteral("it is not a regular file")
                                               : QString::fromLocal8Bit(std::strerror(error))));
    return std::nullopt;
  }
  TCardSetIdentity identity;
  try {
    identity.HeaderDigest = QCryptographicHash::hash(ReadHeaderRecord(AT_FDCWD, name.constData()),
                                                     QCryptographicHash::Sha256)
                                .toHex();
  } catch (const std::exception& failure) {
    SetProblem(Problem, QString::fromStdString(failure.what()));
    return std::nullopt;
  }
  identity.FileName = QFileInfo(Path).fileName();
  identity.Size = info.st_size;
  identity.ModifiedMs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
  return identity;
}

bool IsSameCardSet(const TCardSetIdentity& Kept, const QString& Path) {
  const std::optional<TCardSetIdentity> now = CardSetIdentityOf(Path);
  return now && *now == Kept;
}

QByteArray KeptGameBytes(const TKeptGameRecord& Record) {
  const TCardSetIdentity& set = Record.CardSet;
  const QJsonObject root{
      {"version", KeptGameFileVersion},
      {"settings", QJsonObject{{"delay", Record.Settings.Delay}, {"sound", Record.Settings.Sound}}},
      {"cardSet", QJsonObject{{"file", set.FileName},
                              {"size", set.Size},
                              {"modified", set.ModifiedMs},
                              {"header", QString::fromLatin1(set.HeaderDigest)}}},
      {"game", GameObject(Record.Game)}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

constexpr int MaxKeptGameFileKiB = int(MaxKeptGameFileSize / 1024);

std::optional<TKeptGameRecord> KeptGameFromBytes(const QByteArray& Bytes, QString* Problem) {
  if (Bytes.size() > MaxKeptGameFileSize) {
    SetProblem(Problem, QStringLiteral("it is larger than %1 KiB").arg(MaxKeptGameFileKiB));
    return std::nullopt;
  }
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(Bytes, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    SetProblem(Problem, QStringLiteral("it is damaged or cut short"));
    return std::nullopt;
  }
  try {
    return ReadRecord(document.object());
  } catch (const EBadRecord& bad) {
    SetProblem(Problem, bad.Why);
    return std::nullopt;
  }
}

bool SaveKeptGame(const QString& Path, const TKeptGameRecord& Record, QString* Problem) {
  const QByteArray bytes = KeptGameBytes(Record);
  // What could not be read back is never written over a game kept before.
  QString why;
  if (!KeptGameFromBytes(bytes, &why)) {
    SetProblem(Problem, QStringLiteral("The game cannot be kept: %1.").arg(why));
    return false;
  }
  try {
    if (!QDir().mkpath(QFileInfo(Path).absolutePath())) {
      throw ESettingsStoreError(
          QStringLiteral("The folder of %1 cannot be made.").arg(Path).toStdString());
    }
    ReplaceFile(Path, bytes);
  } catch (const std::exception& failure) {
    SetProblem(Problem, QString::fromStdString(failure.what()));
    return false;
  }
  return true;
}

std::optional<TKeptGameRecord> LoadKeptGame(const QString& Path, QString* Problem) {
  SetProblem(Problem, QString());
  struct stat info {};
  const int fd = OpenRegularFile(AT_FDCWD, QFile::encodeName(Path).constData(), info);
  const int error = errno;
  if (fd == -1 && error == ENOENT) {
    return std::nullopt;
  }
  QString why;
  QFile file;
  if (fd == NotARegularFile) {
    why = QStringLiteral("it is not a regular file");
  } else if (fd < 0) {
    why = QString::fromLocal8Bit(std::strerror(error));
  } else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    why = file.errorString();
  } else if (const auto record = KeptGameFromBytes(file.read(MaxKeptGameFileSize + 1), &why)) {
    return record;
  }
  SetProblem(Problem, QStringLiteral("The game kept in %1 cannot be resumed: %2.").arg(Path, why));
  return std::nullopt;
}

bool DiscardKeptGame(const QString& Path, QString* Problem) {
  if (::unlink(QFile::encodeName(Path).constData()) == 0 || errno == ENOENT) {
    return true;
  }
  SetProblem(Problem, QStringLiteral("The kept game %1 cannot be removed: %2.")
                          .arg(Path, QString::fromLocal8Bit(std::strerror(errno))));
  return false;
}
