// The random choice of the faces a game shows.
#pragma once

#include <cstdint>
#include <vector>

class RandomGenerator;

// The face entries of a card set are numbered 3..FaceCount+2. Starting from that list in
// ascending order, removes the element at index Random(current length) until Pairs remain;
// element k of the result is the entry of card identity k+1. With FaceCount <= Pairs nothing is
// removed (and nothing drawn): the caller must refuse FaceCount < Pairs before dealing.
std::vector<int32_t> SelectFaces(int32_t FaceCount, int32_t Pairs, RandomGenerator& Random);
