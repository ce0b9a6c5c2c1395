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
  const int32_t clamped = std::clamp(Level, 0, MaxLevel);
  return std::clamp(Rows * Cols * clamped / LevelDivisor + 1, 1, MemoryCapacity);
}

void ResetMemory(ComputerMemory& Memory, int32_t Rows, int32_t Cols, int32_t Level) {
  Memory.Entries.fill(MemoryEntry{});
  Memory.MemorySize = MemorySizeFor(Rows, Cols, Level);
}

void RememberCard(ComputerMemory& Memory, RandomGenerator& Random, const MemoryEntry& Card) {
  const int32_t slot = Random.Random(Memory.MemorySize) + 1;
  const auto first = Memory.Entries.begin() + 1;
  if (std::find(first, first + Memory.MemorySize, Card) != first + Memory.MemorySize) {
    return;
  }
  Memory.Entries[slot] = Card;
}

void ForgetCard(ComputerMemory& Memory, int32_t CardId) {
  for (int32_t i = 1; i <= Memory.MemorySize; ++i) {
    if (Memory.Entries[i].CardId == CardId) {
      Memory.Entries[i] = MemoryEntry{};
    }
  }
}

std::optional<KnownPair> FindKnownPair(const ComputerMemory& Memory, int32_t RunCount) {
  const int32_t lastFirst = RunCount < NarrowedRunCount ? Memory.MemorySize - 1 : 1;
  for (int32_t i = 1; i <= lastFirst; ++i) {
    const MemoryEntry& first = Memory.Entries[i];
    if (first.CardId <= 0) {
      continue;
    }
    for (int32_t j = i + 1; j <= Memory.MemorySize; ++j) {
      const MemoryEntry& second = Memory.Entries[j];
      if (second.CardId == first.CardId && !second.SameCell(first)) {
        return KnownPair{first, second};
      }
    }
  }
  return std::nullopt;
}

std::optional<MemoryEntry> FindPartner(const ComputerMemory& Memory, const MemoryEntry& Card) {
  if (Card.CardId <= 0) {
    return std::nullopt;
  }
  for (int32_t i = 1; i <= Memory.MemorySize; ++i) {
    const MemoryEntry& entry = Memory.Entries[i];
    if (entry.CardId == Card.CardId && !entry.SameCell(Card)) {
      return entry;
    }
  }
  return std::nullopt;
}
