// The card set a new game is dealt from, as the engine sees it. The data layer implements it
// over a *.crd file; tests implement it in memory.
#pragma once

#include "BoardLayout.h"

#include <array>
#include <cstdint>
#include <vector>

// Bounds beyond which a set's header can only be damaged. They keep the face list of a game
// small and the view's pixel arithmetic within int32.
constexpr int32_t MaxCardSide = 32767;
constexpr int32_t MaxFaceCount = 10000;

struct CardSetHeaderInfo {
  int32_t CardWidth = 0;  // native cell width in pixels
  int32_t CardHeight = 0; // native cell height in pixels
  int32_t ImageCount = 0; // number of faces, indexed 0..ImageCount-1
  int32_t ImageKind = 0;  // 1 GIF, 2 JPEG, anything else BMP
  // A set whose pairs are two different cards (a picture and its word): the two faces of each
  // pair. Empty for a set whose every pair is one face twice.
  std::vector<std::array<int32_t, 2>> Pairs;

  bool IsMixed() const { return !Pairs.empty(); }
  // Whether the sides and the face count are within the bounds above and every pair is two
  // different faces of the set, each in one pair only.
  bool WithinBounds() const;
};

class ICardSource {
public:
  virtual ~ICardSource() = default;

  // Opens the set and reads its header, advert picture and card back. Throws std::exception
  // (with a message fit for the player) when the set cannot be read.
  virtual CardSetHeaderInfo ReadHeader() = 0;

  // Reads the chosen faces: Faces[k] is the index (0..ImageCount-1) of the face of card
  // identity k+1 (in a mixed set, Faces[pairs + k] that of its other card); where a face lies in
  // the set's file is the source's business. Shape is the board they will be dealt on, so that a
  // source can make them no larger than its cells need. Called once per game, after ReadHeader;
  // closes the set. Throws like ReadHeader.
  virtual void LoadFaces(const std::vector<int32_t>& Faces, const BoardShape& Shape) = 0;
};
