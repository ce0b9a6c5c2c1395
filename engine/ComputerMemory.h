// What the computer opponent remembers of the cards it has seen turned over.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class RandomGenerator;

constexpr int32_t MemoryCapacity = 224;
constexpr int32_t MaxLevel = 10;

// One remembered card; CardId 0 marks an empty entry.
struct MemoryEntry {
  int32_t CardId = 0;
  int32_t Col = 0;
  int32_t Row = 0;
  bool operator==(const MemoryEntry&) const = default;
  bool SameCell(const MemoryEntry& Other) const { return Col == Other.Col && Row == Other.Row; }
};

// Plain data. Entries are numbered 1..MemoryCapacity (index 0 is unused); only 1..MemorySize
// take part in a game. No used entry refers to a cell whose pair has been found.
struct ComputerMemory {
  std::array<MemoryEntry, MemoryCapacity + 1> Entries{};
  int32_t MemorySize = 1;
};

// Rows x Cols x Level / 13 + 1, truncated; Level is clamped to 0..MaxLevel so the result stays
// within MemoryCapacity for every board the layout can produce.
int32_t MemorySizeFor(int32_t Rows, int32_t Cols, int32_t Level);

// Empties all MemoryCapacity entries and sets the size for the new board.
void ResetMemory(ComputerMemory& Memory, int32_t Rows, int32_t Cols, int32_t Level);

// Draws a slot in 1..MemorySize on every call; stores the card there unless some used entry
// already holds exactly this card at this cell. Overwriting is how the computer forgets.
void RememberCard(ComputerMemory& Memory, RandomGenerator& Random, const MemoryEntry& Card);

// Empties every used entry of that identity (both cards of a found pair).
void ForgetCard(ComputerMemory& Memory, int32_t CardId);

struct KnownPair {
  MemoryEntry First;
  MemoryEntry Second;
};

// The first remembered pair of cards at two different cells, found by scanning entry i = 1, 2, ...
// against the entries after it. Once RunCount reaches 2 only entry 1 is tried, which weakens the
// computer after two pairs in a row.
std::optional<KnownPair> FindKnownPair(const ComputerMemory& Memory, int32_t RunCount);

// The first used entry holding Card's identity at another cell than Card's.
std::optional<MemoryEntry> FindPartner(const ComputerMemory& Memory, const MemoryEntry& Card);
