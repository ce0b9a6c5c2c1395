#include "ComputerMemory.h"

#include "RandomGenerator.h"

#include <algorithm>

namespace {
// Levels are thirteenths of the board: level 13 would remember every cell.
constexpr int32_t LevelDivisor = 13;
// From this many pairs in a row on, the computer only looks for a partner of entry 1.
constexpr int32_t NarrowedRunCount = 2;
} // namespace

int32_t MemorySizeFor(int32_t Rows, int32_t Cols, int32_t Level) {
  const int32_t Clamped = std::clamp(Level, 0, MaxLevel);
  return std::clamp(Rows * Cols * Clamped / LevelDivisor + 1, 1, MemoryCapacity);
}

void ResetMemory(ComputerMemory& Memory, int32_t Rows, int32_t Cols, int32_t Level) {
  Memory.Entries.fill(MemoryEntry{});
  Memory.MemorySize = MemorySizeFor(Rows, Cols, Level);
}

void RememberCard(ComputerMemory& Memory, RandomGenerator& Random, const MemoryEntry& Card) {
  const int32_t Slot = Random.Random(Memory.MemorySize) + 1;
  const auto First = Memory.Entries.begin() + 1;
  if (std::find(First, First + Memory.MemorySize, Card) != First + Memory.MemorySize) {
    return;
  }
  Memory.Entries[Slot] = Card;
}

void ForgetCard(ComputerMemory& Memory, int32_t CardId) {
  for (int32_t I = 1; I <= Memory.MemorySize; ++I) {
    if (Memory.Entries[I].CardId == CardId) {
      Memory.Entries[I] = MemoryEntry{};
    }
  }
}

std::optional<KnownPair> FindKnownPair(const ComputerMemory& Memory, int32_t RunCount) {
  const int32_t LastFirst = RunCount < NarrowedRunCount ? Memory.MemorySize - 1 : 1;
  for (int32_t I = 1; I <= LastFirst; ++I) {
    const MemoryEntry& First = Memory.Entries[I];
    if (First.CardId <= 0) {
      continue;
    }
    for (int32_t J = I + 1; J <= Memory.MemorySize; ++J) {
      const MemoryEntry& Second = Memory.Entries[J];
      if (Second.CardId == First.CardId && !Second.SameCell(First)) {
        return KnownPair{First, Second};
      }
    }
  }
  return std::nullopt;
}

std::optional<MemoryEntry> FindPartner(const ComputerMemory& Memory, const MemoryEntry& Card) {
  if (Card.CardId <= 0) {
    return std::nullopt;
  }
  for (int32_t I = 1; I <= Memory.MemorySize; ++I) {
    const MemoryEntry& Entry = Memory.Entries[I];
    if (Entry.CardId == Card.CardId && !Entry.SameCell(Card)) {
      return Entry;
    }
  }
  return std::nullopt;
}
