// The end-of-game verdict and the texts of the status line.
#pragma once

#include "PlayerSlot.h"

#include <string>

// "No winner", in the player's language.
std::string NoWinnerName();
// "The winner is: " and Name, as the status line and the score screen show it.
std::string WinnerLine(const std::string& Name);

struct GameVerdict {
  std::string WinnerName; // the winner's name, or NoWinnerName()
  std::string StatusText; // WinnerLine of the name, or NoWinnerName() alone
};

// The slot with the strictly highest pair count wins; when two or more slots share it there is
// no winner. All five slots are compared; slots that did not play hold 0 pairs.
GameVerdict JudgeGame(const PlayerTable& Players);

// Status line while a game runs: the name followed by " (pairs: n)".
std::string PlayingStatusText(const PlayerSlot& Player);
