// The values of one round of the settings durability test: every value differs from round to
// round (the names also in length), so a file holding parts of two rounds shows it.
#pragma once

#include "GameSettings.h"

#include <string>

struct TSettingsRound {
  GameSettings Settings;
  PlayerTable Players;
};

inline TSettingsRound SettingsOfRound(long Round) {
  TSettingsRound values;
  values.Settings.Pairs = qint32(Round);
  values.Settings.Computer = false;
  values.Settings.Sound = Round % 2 == 0;
  values.Settings.Level = qint32(Round % 11);
  values.Settings.Delay = qint32(Round % 9);
  values.Settings.BuilderPath = QStringLiteral("/opt/builder-%1/dkwright").arg(Round);
  const std::string round = std::to_string(Round);
  const char* const names[] = {"Ann", "Bob", "Cleo", "Dan"};
  for (int slot = 1; slot <= 4; ++slot)
    values.Players[slot].Name = names[slot - 1] + std::string(size_t(Round % 7), '.') + round;
  return values;
}
