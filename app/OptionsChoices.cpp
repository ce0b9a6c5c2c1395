#include "OptionsChoices.h"

#include "BoardLayout.h"

#include <QLocale>

#include <algorithm>

QStringList PairsItems() {
  QStringList items;
  for (const int32_t pairs : OfferedPairCounts)
    items << QString::number(pairs);
  return items;
}

QStringList DelayItems(const QLocale& Numbers) {
  QStringList items;
  for (int half = 2; half <= 10; ++half)
    items << Numbers.toString(half / 2.0);
  return items;
}

int PairsItemIndexFor(int Pairs) {
  const int index = int(PairsItems().indexOf(QString::number(Pairs)));
  return index < 0 ? 0 : index;
}

int FitPairsIndex(int Selected, int ImageCount) {
  const int last = int(OfferedPairCounts.size()) - 1;
  for (int i = std::min(Selected, last); i >= 0; --i)
    if (OfferedPairCounts[size_t(i)] <= ImageCount)
      return i;
  return Selected;
}

TNameFields NameFieldsFromSlots(bool Computer, const PlayerTable& Players) {
  const int first = Computer ? 2 : 1;
  TNameFields fields;
  for (int i = 0; i < 4; ++i)
    fields[size_t(i)] = QString::fromStdString(Players[size_t(first + i)].Name);
  return fields;
}

void SlotsFromNameFields(bool Computer, const TNameFields& Fields, PlayerTable& Players) {
  const int first = Computer ? 2 : 1;
  for (int i = 0; i < 4; ++i)
    Players[size_t(first + i)].Name = Fields[size_t(i)].toStdString();
  if (Computer) {
    Players[1].Name = ComputerName();
    if (Players[2].Name.empty())
      Players[2].Name = PartnerName();
    return;
  }
  Players[5].Name.clear();
  if (Players[1].Name.empty()) {
    Players[1].Name = FirstPlayerName();
    Players[2].Name = SecondPlayerName();
  } else if (Players[2].Name.empty()) {
    Players[2].Name = SecondPlayerName();
  }
}
