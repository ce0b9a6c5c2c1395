// A game in progress as it is kept across the end of the program, so that the next run goes
// straight back to it, and the check that what comes back is a board the rules can reach.
#pragma once

#include "GameState.h"

#include <optional>
#include <string>

// Plain data: what a game in progress is made of once no pair is shown. The reveal delay, the
// sound and which file the set came from are the window's to keep beside it.
struct KeptGame {
  Board Cells;               // shape, identities and states; no pair shown
  CardSetHeaderInfo CardSet; // the set's header as the game read it
  std::vector<int32_t> Faces;
  PlayerTable Players{}; // names and counts of all five slots
  int32_t PlayerCount = 0;
  int32_t CurrentPlayer = 1;
  int32_t PickNo = 1; // 1, or 2 when the player at turn has turned FirstPick
  TurnPick FirstPick; // the face-up card of PickNo 2; all 0 otherwise
  int32_t PairsFound = 0;
  int32_t RunCount = 0;
  bool ComputerOn = false;
  int32_t Level = 0;
  ComputerMemory Memory;
};

// The game of State as it stands once a shown pair is settled the way close_pair settles it: a
// matched pair removed, a missed pair turned back (the turn has passed already when the pair
// was judged). Nothing when there is no game to keep: none running, or finished, also by the
// shown pair being the last one.
std::optional<KeptGame> KeepGame(const GameState& State);

// Why Kept is not a position of a game the rules can reach, in one line of English, or nothing
// when it is one. Everything that comes back from outside goes through here before it is played.
// A card of two faces (a set of different cards) must hold one of Kept.CardSet.Pairs when the
// header names them, and must be one of a set of pairs (which only the set can say) otherwise.
std::optional<std::string> CheckKeptGame(const KeptGame& Kept);
