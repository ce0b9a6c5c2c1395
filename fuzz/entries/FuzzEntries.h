// The parsers of untrusted input, each behind one entry function that takes arbitrary bytes.
// The fuzzers call them, and so does the ordinary test build, which replays every input the
// fuzzers once broke the game with. An entry returns normally for any input the game handles
// soundly, and aborts with a message on stderr when a property of the parser is broken (a
// crash, hang or memory blow-up is caught by the sanitizers and limits around it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace fuzzentry {

using TEntry = int (*)(const uint8_t* Data, size_t Size);

struct TTarget {
  const char* Name; // also the folder of its regression inputs
  TEntry Entry;
};

// Archive directory and every entry, read both ways, the two ways agreeing.
int Archive(const uint8_t* Data, size_t Size);
// The file as a card set: catalogue scan, header, advert, back and faces for a game.
int CardSet(const uint8_t* Data, size_t Size);
// GIF faces: screen size, every frame composed, the first frame alone.
int Gif(const uint8_t* Data, size_t Size);
int Jpeg(const uint8_t* Data, size_t Size);
int Bmp(const uint8_t* Data, size_t Size);
// The settings file's text format: parse, write back, parse again to the same document.
int RegistryText(const uint8_t* Data, size_t Size);
// The settings file loaded and saved by the game: nothing a player or another program put in
// it is lost without a copy kept aside.
int Settings(const uint8_t* Data, size_t Size);
// The help document's reader, and the document it builds.
int Rtf(const uint8_t* Data, size_t Size);
// PosFrom and GetField on texts, patterns and positions from the input.
int Fields(const uint8_t* Data, size_t Size);

// The file that keeps a game between runs: read, written back the same, resumed and played to
// its end.
int KeptGameFile(const uint8_t* Data, size_t Size);

// The pair table of a set of different cards: refused with a reason, or read into faces that
// each lie in one pair, and written back the same; the same bytes as a sound clip.
int PairTable(const uint8_t* Data, size_t Size);

// Every target, in a fixed order.
std::span<const TTarget> Targets();

// Prepares what the entries need once per process (the Qt application object on the offscreen
// platform). Harmless when an application object exists already.
void InitOnce();

} // namespace fuzzentry
