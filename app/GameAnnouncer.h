// What the main window says aloud, through its live status, as a game goes on: for the player
// who listens rather than looks. Each text is worked out from the game's state at the moment the
// game tells the view, in the player's language, and names only faces that are showing.
#pragma once

#include <QString>

#include <functional>

struct GameState;

// What the face at (Col, Row) shows in words (a name, a word, a caption), or empty.
using TFaceNamer = std::function<QString(int Col, int Row)>;

// A card was turned face up at (Col, Row): who turned it, where, and what it shows in words,
// else its picture's number (the number the board's cells give it).
QString CardTurnedText(const GameState& State, int Col, int Row, const TFaceNamer& Names = {});

// The second card of a turn was judged: a pair (for whom, and whether that player plays again)
// or no pair (and who plays next), with the two cards told as CardTurnedText tells them.
QString PairJudgedText(const GameState& State, const TFaceNamer& Names = {});
