// The shipped sets whose pairs are two different cards, described as builder requests.
#pragma once

#include "DefaultSets.h"

// "Learn shapes and colours" (a shape-and-colour picture and its name as a word, in English,
// German, French and Spanish) and "Animal words to hear" (an animal's name spoken in English
// and in German, French or Spanish). The clips are spoken by espeak-ng (see SpeakWord), so
// building them raises what it raises. Painting needs a QGuiApplication.
QList<TDefaultSet> PairSets();
