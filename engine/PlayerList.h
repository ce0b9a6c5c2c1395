// Who takes part in a game, from the player table the options panel filled.
#pragma once

#include "PlayerSlot.h"

#include <cstdint>

// Counts the run of named slots from slot 1, zeroes the pairs of all five slots and fills in
// default names so that at least two players take part: PartnerName beside the computer when
// only it is named, FirstPlayerName and SecondPlayerName when nobody is, SecondPlayerName
// beside a lone name. Names
// after the first empty slot stay where they are but take no turns. Returns the player count,
// 2..MaxPlayerSlots.
int32_t BuildPlayerList(PlayerTable& Players, bool ComputerOn);
