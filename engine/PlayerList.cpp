#include "PlayerList.h"

int32_t BuildPlayerList(PlayerTable& Players, bool ComputerOn) {
  int32_t Count = 0;
  while (Count < MaxPlayerSlots && !Players[Count + 1].Name.empty()) {
    ++Count;
  }
  for (int32_t Slot = 1; Slot <= MaxPlayerSlots; ++Slot) {
    Players[Slot].Pairs = 0;
  }
  if (ComputerOn && Count == 1) {
    Count = 2;
    Players[2].Name = PartnerName;
  }
  if (Count == 0) {
    Count = 2;
    Players[1].Name = FirstPlayerName;
    Players[2].Name = SecondPlayerName;
  }
  if (Count == 1) {
    Count = 2;
    Players[2].Name = SecondPlayerName;
  }
  return Count;
}
