// Which of the game's pair counts a set of faces can fill.
#pragma once

// How many of the pair counts the game offers need no more than Faces faces.
int PlayablePairChoices(int Faces);

// The largest offered pair count a set of Faces faces can fill, or 0 when it fills none.
int MostPlayablePairs(int Faces);

// How many pair counts the game offers in all.
int OfferedPairChoices();
