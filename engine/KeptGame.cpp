#include "KeptGame.h"

#include "BoardLayout.h"

#include <algorithm>
#include <set>

namespace {

using TProblem = std::optional<std::string>;

TProblem CheckHeaderAndFaces(const KeptGame& Kept) {
  const CardSetHeaderInfo& header = Kept.CardSet;
  // A header beyond the bounds a new game puts on it was never dealt from.
  if (!header.WithinBounds() || header.ImageCount <= 0) {
    return "the set's header is out of range";
  }
  // A kept file does not hold the set's pairs: without them two faces a card may still be a
  // set of different cards, which ResumeGame checks against the set itself.
  const size_t pairs = static_cast<size_t>(Kept.Cells.PairCount());
  const bool mixed = Kept.Cells.TwoFacesACard(Kept.Faces.size());
  if ((!mixed && Kept.Faces.size() != pairs) || (header.IsMixed() && !mixed)) {
    return "the faces do not match the pairs";
  }
  for (size_t k = 0; header.IsMixed() && k < pairs; ++k) {
    const std::array<int32_t, 2> pair{Kept.Faces[k], Kept.Faces[pairs + k]};
    if (std::find(header.Pairs.begin(), header.Pairs.end(), pair) == header.Pairs.end()) {
      return "two faces of a card are not a pair of the set";
    }
  }
  std::set<int32_t> seen;
  for (const int32_t face : Kept.Faces) {
    if (face < 0 || face >= header.ImageCount || !seen.insert(face).second) {
      return "a face is out of range or used twice";
    }
  }
  return std::nullopt;
}

// Each identity on two cells of one fate, of both sides when the set has two different cards
// a pair; the removed pairs counted into RemovedPairs.
TProblem CheckCells(const Board& Cells, bool Mixed, int32_t& RemovedPairs) {
  std::vector<int32_t> cellsOf(static_cast<size_t>(Cells.PairCount()) + 1, 0);
  std::vector<int32_t> removedOf(cellsOf.size(), 0);
  std::vector<int32_t> sidesOf(cellsOf.size(), 0);
  for (int32_t row = 0; row < Cells.Rows; ++row) {
    for (int32_t col = 0; col < Cells.Cols; ++col) {
      const int32_t id = Cells.CellId[row][col];
      const auto state = static_cast<int32_t>(Cells.CellState[row][col]);
      if (id < 1 || id > Cells.PairCount() || state < 0 || state > 2) {
        return "a cell holds an unknown card or state";
      }
      ++cellsOf[id];
      sidesOf[id] |= 1 << std::min<int32_t>(Cells.CellSide[row][col], 2);
      removedOf[id] += Cells.CellState[row][col] == CellState::Removed ? 1 : 0;
    }
  }
  RemovedPairs = 0;
  for (int32_t id = 1; id <= Cells.PairCount(); ++id) {
    if (cellsOf[id] != 2 || removedOf[id] == 1) {
      return "a card is not one of a pair on the board";
    }
    if (Mixed && sidesOf[id] != 3) {
      return "the two cards of a pair are not its two sides";
    }
    RemovedPairs += removedOf[id] / 2;
  }
  return std::nullopt;
}

TProblem CheckPlayers(const KeptGame& Kept) {
  if (Kept.PlayerCount < 2 || Kept.PlayerCount > MaxPlayerSlots || Kept.CurrentPlayer < 1 ||
      Kept.CurrentPlayer > Kept.PlayerCount) {
    return "the players or the player at turn are out of range";
  }
  int32_t pairs = 0;
  for (int32_t slot = 1; slot <= MaxPlayerSlots; ++slot) {
    const PlayerSlot& player = Kept.Players[slot];
    const bool plays = slot <= Kept.PlayerCount;
    if (player.Pairs < 0 || (!plays && player.Pairs != 0) || (plays && player.Name.empty())) {
      return "a player's name or pairs are impossible";
    }
    pairs += player.Pairs;
  }
  if (pairs != Kept.PairsFound) {
    return "the players' pairs do not add up to the pairs found";
  }
  return std::nullopt;
}

// No pair is shown: at most the first pick of the turn is face up.
TProblem CheckTurn(const KeptGame& Kept) {
  int32_t faceUp = 0;
  const Board& cells = Kept.Cells;
  for (int32_t row = 0; row < cells.Rows; ++row) {
    faceUp += static_cast<int32_t>(std::count(cells.CellState[row].begin(),
                                              cells.CellState[row].begin() + cells.Cols,
                                              CellState::FaceUp));
  }
  const TurnPick& first = Kept.FirstPick;
  const bool firstIsUp = cells.StateAt(first.Col, first.Row) == CellState::FaceUp &&
                         cells.IdAt(first.Col, first.Row) == first.CardId;
  const bool valid =
      (Kept.PickNo == 1 && faceUp == 0) || (Kept.PickNo == 2 && faceUp == 1 && firstIsUp);
  return valid ? TProblem() : "the cards face up do not fit the turn";
}

TProblem CheckComputer(const KeptGame& Kept) {
  if (Kept.Level < 0 || Kept.Level > MaxLevel || Kept.RunCount < 0) {
    return "the computer's level or run is out of range";
  }
  const ComputerMemory& memory = Kept.Memory;
  const Board& cells = Kept.Cells;
  if (memory.MemorySize != MemorySizeFor(cells.Rows, cells.Cols, Kept.Level)) {
    return "the computer's memory does not fit its level";
  }
  for (int32_t i = 1; i <= memory.MemorySize; ++i) {
    const MemoryEntry& entry = memory.Entries[i];
    if (entry.CardId != 0 && (cells.StateAt(entry.Col, entry.Row) == CellState::Removed ||
                              cells.IdAt(entry.Col, entry.Row) != entry.CardId)) {
      return "the computer remembers a card that is not there";
    }
  }
  return std::nullopt;
}

} // namespace

std::optional<KeptGame> KeepGame(const GameState& State) {
  if (!State.GameActive || State.GameOver) {
    return std::nullopt;
  }
  KeptGame kept;
  kept.Cells = State.Cells;
  if (State.PickNo == 3) {
    const CellState after = State.Matched ? CellState::Removed : CellState::FaceDown;
    for (int32_t pick = 1; pick <= 2; ++pick) {
      kept.Cells.CellState[State.TurnPicks[pick].Row][State.TurnPicks[pick].Col] = after;
    }
  }
  kept.PickNo = State.PickNo == 2 ? 2 : 1;
  if (kept.PickNo == 2) {
    kept.FirstPick = State.TurnPicks[1];
  }
  kept.CardSet = State.CardSet;
  kept.Faces = State.Faces;
  kept.Players = State.Players;
  kept.PlayerCount = State.PlayerCount;
  kept.CurrentPlayer = State.CurrentPlayer;
  kept.PairsFound = State.PairsFound;
  kept.RunCount = State.RunCount;
  kept.ComputerOn = State.ComputerOn;
  kept.Level = State.Level;
  kept.Memory = State.Memory;
  return kept;
}

std::optional<std::string> CheckKeptGame(const KeptGame& Kept) {
  if (!IsOfferedLayout({Kept.Cells.Rows, Kept.Cells.Cols})) {
    return "the board's shape is not one the game deals";
  }
  int32_t removedPairs = 0;
  for (auto problem :
       {CheckHeaderAndFaces(Kept),
        CheckCells(Kept.Cells, Kept.Cells.TwoFacesACard(Kept.Faces.size()), removedPairs)}) {
    if (problem) {
      return problem;
    }
  }
  if (removedPairs != Kept.PairsFound || Kept.PairsFound >= Kept.Cells.PairCount()) {
    return "the pairs found do not match the board, or the game is over";
  }
  for (auto problem : {CheckPlayers(Kept), CheckTurn(Kept), CheckComputer(Kept)}) {
    if (problem) {
      return problem;
    }
  }
  return std::nullopt;
}
