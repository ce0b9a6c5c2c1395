#include "Verdict.h"

#include "Wording.h"

#include <cstdint>

std::string NoWinnerName() {
  return Wording("GameEngine", "No winner");
}

std::string WinnerLine(const std::string& Name) {
  return WithArg(Wording("GameEngine", "The winner is: %1"), Name);
}

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
    return {NoWinnerName(), NoWinnerName()};
  }
  return {Players[best].Name, WinnerLine(Players[best].Name)};
}

std::string PlayingStatusText(const PlayerSlot& Player) {
  return WithArg(Wording("GameEngine", "%1 (pairs: %n)", nullptr, Player.Pairs), Player.Name);
}
