#include "Verdict.h"

#include <cstdint>

GameVerdict JudgeGame(const PlayerTable& Players) {
  int32_t Best = 1;
  for (int32_t Slot = 2; Slot <= MaxPlayerSlots; ++Slot) {
    if (Players[Slot].Pairs > Players[Best].Pairs) {
      Best = Slot;
    }
  }
  int32_t Other = Best < 2 ? Best + 1 : Best - 1;
  for (int32_t Slot = 1; Slot <= MaxPlayerSlots; ++Slot) {
    if (Players[Slot].Pairs == Players[Best].Pairs && Slot != Best) {
      Other = Slot;
    }
  }
  if (Players[Other].Pairs == Players[Best].Pairs) {
    return {NoWinnerName, NoWinnerName};
  }
  return {Players[Best].Name, WinnerPrefix + Players[Best].Name};
}

std::string PlayingStatusText(const PlayerSlot& Player) {
  return Player.Name + " (pairs: " + std::to_string(Player.Pairs) + ")";
}
