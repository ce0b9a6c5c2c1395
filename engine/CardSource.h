// The card set a new game is dealt from, as the engine sees it. The data layer implements it
// over a *.crd file; tests implement it in memory.
#pragma once

#include <cstdint>
#include <vector>

struct CardSetHeaderInfo {
  int32_t CardWidth = 0;  // native cell width in pixels
  int32_t CardHeight = 0; // native cell height in pixels
  int32_t ImageCount = 0; // number of faces, entries 3..ImageCount+2
  int32_t ImageKind = 0;  // 1 GIF, 2 JPEG, anything else BMP
};

class ICardSource {
public:
  virtual ~ICardSource() = default;

  // Opens the set and reads its header, advert picture and card back. Throws std::exception
  // (with a message fit for the player) when the set cannot be read.
  virtual CardSetHeaderInfo ReadHeader() = 0;

  // Reads the chosen faces: Entries[k] is the entry number (3..ImageCount+2) of the face of
  // card identity k+1. Called once per game, after ReadHeader; closes the set. Throws like
  // ReadHeader.
  virtual void LoadFaces(const std::vector<int32_t>& Entries) = 0;
};
