#include "Verdict.h"

#include <cstdint>

GameVerdict JudgeGame(const PlayerTable& Players) {
  int32_t best = 1;
  for (int32_t slot = 2; slot <= MaxPlayerSlots; ++slot) {
    if (Players[slot].Pairs > Players[best].Pairs) {
      best = slot;
    }
  }
  int32_t other = best < 2 ? best + 1 : best - 1;
  for (int32_t slot = 1; slot <= MaxPlayerSlots; ++slot) {
    if (Players[slot].Pairs == Players[best].Pairs && slot != best) {
      other = slot;
    }
  }
  if (Players[other].Pairs == Players[best].Pairs) {
    return {NoWinnerName, NoWinnerName};
  }
  return {Players[best].Name, WinnerPrefix + Players[best].Name};
}

std::string PlayingStatusText(const PlayerSlot& Player) {
  return Player.Name + " (pairs: " + std::to_string(Player.Pairs) + ")";
}
