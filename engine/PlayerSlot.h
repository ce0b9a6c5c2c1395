// The player table: five slots in turn order. With the computer opponent on, slot 1 is the
// computer; the players of a game are the run of named slots from slot 1.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct PlayerSlot {
  std::string Name; // UTF-8, exactly as typed
  int32_t Pairs = 0;
};

constexpr int MaxPlayerSlots = 5;

// The names the game gives, in the player's language: the computer opponent's, the one
// human's beside it when nobody named them, and the two humans' of a game nobody named.
std::string ComputerName();
std::string PartnerName();
std::string FirstPlayerName();
std::string SecondPlayerName();

// Indexed by slot number 1..5; index 0 is unused so code reads like the rules.
using PlayerTable = std::array<PlayerSlot, MaxPlayerSlots + 1>;
