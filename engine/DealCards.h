// Shuffling the card identities onto a board.
#pragma once

#include "Board.h"

class RandomGenerator;

// Reseeds Random, then gives every cell of the Shape.Rows x Shape.Cols board (at most
// MaxBoardSide each way, an even number of cells) an identity from 1..cells/2, each on exactly two
// cells, uniformly shuffled, and turns every cell face down. The two cells of an identity get
// the sides 0 and 1, shuffled with it. Cells are visited row by row and
// draw one number each from a shrinking pool, so a seed fixes the deal.
void DealCards(Board& Target, RandomGenerator& Random);
