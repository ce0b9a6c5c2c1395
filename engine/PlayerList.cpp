#include "PlayerList.h"

int32_t BuildPlayerList(PlayerTable& Players, bool ComputerOn) {
  int32_t count = 0;
  while (count < MaxPlayerSlots && !Players[count + 1].Name.empty()) {
    ++count;
  }
  for (int32_t slot = 1; slot <= MaxPlayerSlots; ++slot) {
    Players[slot].Pairs = 0;
  }
  if (ComputerOn && count == 1) {
    count = 2;
    Players[2].Name = PartnerName;
  }
  if (count == 0) {
    count = 2;
    Players[1].Name = FirstPlayerName;
    Players[2].Name = SecondPlayerName;
  }
  if (count == 1) {
    count = 2;
    Players[2].Name = SecondPlayerName;
  }
  return count;
}
