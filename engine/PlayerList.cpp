#include "PlayerList.h"

#include "Wording.h"

std::string ComputerName() {
  return Wording("GameEngine", "Computer");
}

std::string PartnerName() {
  return Wording("GameEngine", "Player");
}

std::string FirstPlayerName() {
  return Wording("GameEngine", "Player 1");
}

std::string SecondPlayerName() {
  return Wording("GameEngine", "Player 2");
}

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
    Players[2].Name = PartnerName();
  }
  if (count == 0) {
    count = 2;
    Players[1].Name = FirstPlayerName();
    Players[2].Name = SecondPlayerName();
  }
  if (count == 1) {
    count = 2;
    Players[2].Name = SecondPlayerName();
  }
  return count;
}
