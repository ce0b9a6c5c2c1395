// The rules behind the options panel's lists and name fields, as pure functions.
#pragma once

#include "PlayerSlot.h"

#include <QString>
#include <QStringList>

#include <array>

class QLocale;

// The items of the pairs list ("8" ... "60") and of the delay list ("1" "1.5" ... "5" seconds,
// written as Numbers writes them: "2,5" in German).
QStringList PairsItems();
QStringList DelayItems(const QLocale& Numbers);

// The pairs item whose text is Pairs in decimal, else the first item.
int PairsItemIndexFor(int Pairs);

// From Selected towards the top of the pairs list, the first item whose number is at most
// ImageCount; Selected itself when none is.
int FitPairsIndex(int Selected, int ImageCount);

// The four name fields of the panel, in field order.
using TNameFields = std::array<QString, 4>;

// The slots the fields show: 2 to 5 with the computer, 1 to 4 without.
TNameFields NameFieldsFromSlots(bool Computer, const PlayerTable& Players);

// Fills the player slots from the fields exactly as typed, with ComputerName in slot 1 when the
// computer plays, and the default names where the leading human slots are empty. Pair counts
// are left alone.
void SlotsFromNameFields(bool Computer, const TNameFields& Fields, PlayerTable& Players);
