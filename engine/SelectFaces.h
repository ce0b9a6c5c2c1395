// The random choice of the faces a game shows.
#pragma once

#include "CardSource.h"

#include <cstdint>
#include <vector>

class RandomGenerator;

// The faces of a card set are indexed 0..FaceCount-1. Starting from that list in ascending
// order, removes the element at index Random(current length) until Pairs remain; element k of
// the result is the face of card identity k+1. With FaceCount <= Pairs nothing is removed (and
// nothing drawn): the caller must refuse FaceCount < Pairs before dealing.
std::vector<int32_t> SelectFaces(int32_t FaceCount, int32_t Pairs, RandomGenerator& Random);

// The faces of a game of Pairs pairs from a set of different cards: the pairs are chosen as
// SelectFaces chooses faces, among Header.Pairs; element k of the result is the side-0 face of
// card identity k+1 and element Pairs + k its side-1 face.
std::vector<int32_t> SelectPairFaces(const CardSetHeaderInfo& Header, int32_t Pairs,
                                     RandomGenerator& Random);
