// Chief header of the game's data: the card-set catalogue and the persisted settings.
#pragma once

#include "CardSets.h"
#include "GameSettings.h"
