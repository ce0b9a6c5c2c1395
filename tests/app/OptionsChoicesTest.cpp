// The options panel's list rules and the mapping between name fields and player slots.
#include "OptionsChoices.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

PlayerTable Slots(std::initializer_list<const char*> Names) {
  PlayerTable players{};
  int slot = 1;
  for (const char* name : Names)
    players[size_t(slot++)].Name = name;
  return players;
}

std::vector<std::string> Names(const PlayerTable& Players) {
  std::vector<std::string> names;
  for (int slot = 1; slot <= MaxPlayerSlots; ++slot)
    names.push_back(Players[size_t(slot)].Name);
  return names;
}

using V = std::vector<std::string>;

TEST(OptionsLists, ItemsAreTheOfferedCountsAndHalfSecondDelays) {
  EXPECT_EQ(PairsItems().size(), 28);
  EXPECT_EQ(PairsItems().front(), "8");
  EXPECT_EQ(PairsItems().back(), "60");
  EXPECT_EQ(DelayItems(QLocale::c()).join(' '), "1 1.5 2 2.5 3 3.5 4 4.5 5");
  EXPECT_EQ(DelayItems(QLocale(QLocale::German)).at(3), "2,5");
}

TEST(OptionsLists, UnlistedPairCountSelectsTheFirstItem) {
  EXPECT_EQ(PairsItemIndexFor(8), 0);
  EXPECT_EQ(PairsItemIndexFor(21), 7);
  EXPECT_EQ(PairsItemIndexFor(60), 27);
  EXPECT_EQ(PairsItemIndexFor(9), 0);
  EXPECT_EQ(PairsItemIndexFor(-1), 0);
}

TEST(OptionsLists, FittingWalksUpToTheLargestCountTheSetCanFill) {
  const int twenty = PairsItemIndexFor(20);
  EXPECT_EQ(FitPairsIndex(twenty, 12), PairsItemIndexFor(12));
  EXPECT_EQ(FitPairsIndex(twenty, 21), twenty); // never raised
  EXPECT_EQ(FitPairsIndex(twenty, 13), PairsItemIndexFor(12));
  EXPECT_EQ(FitPairsIndex(27, 1000), 27);
  // Nothing fits a set of fewer than 8 faces: the selection stays.
  EXPECT_EQ(FitPairsIndex(3, 5), 3);
  EXPECT_EQ(FitPairsIndex(-1, 5), -1);
}

TEST(NameFields, FieldsShowSlotsTwoToFiveWithTheComputerAndOneToFourWithout) {
  const PlayerTable players = Slots({"A", "B", "C", "D", "E"});
  EXPECT_EQ(NameFieldsFromSlots(true, players), (TNameFields{"B", "C", "D", "E"}));
  EXPECT_EQ(NameFieldsFromSlots(false, players), (TNameFields{"A", "B", "C", "D"}));
}

TEST(NameFields, EmptyFieldsGiveTheDefaultPlayers) {
  PlayerTable players = Slots({"x", "x", "x", "x", "x"});
  SlotsFromNameFields(false, {}, players);
  EXPECT_EQ(Names(players), (V{"Player 1", "Player 2", "", "", ""}));
  SlotsFromNameFields(true, {}, players);
  EXPECT_EQ(Names(players), (V{"Computer", "Player", "", "", ""}));
}

TEST(NameFields, GapsAreFilledOnlyInTheLeadingSlots) {
  PlayerTable players{};
  SlotsFromNameFields(false, {"A", "", "C", ""}, players);
  EXPECT_EQ(Names(players), (V{"A", "Player 2", "C", "", ""}));
  SlotsFromNameFields(false, {"A", "", "", "D"}, players);
  EXPECT_EQ(Names(players), (V{"A", "Player 2", "", "D", ""}));
  SlotsFromNameFields(true, {"", "B", "", ""}, players);
  EXPECT_EQ(Names(players), (V{"Computer", "Player", "B", "", ""}));
}

TEST(NameFields, NamesAreKeptExactlyAsTyped) {
  PlayerTable players{};
  SlotsFromNameFields(false, {"  ", " Ann ", "Zoë", ""}, players);
  EXPECT_EQ(Names(players), (V{"  ", " Ann ", "Zoë", "", ""}));
}

TEST(NameFields, SwitchingTheComputerOffKeepsTheFourHumans) {
  PlayerTable players{};
  SlotsFromNameFields(true, {"A", "B", "C", "D"}, players);
  EXPECT_EQ(Names(players), (V{"Computer", "A", "B", "C", "D"}));
  const TNameFields fields = NameFieldsFromSlots(true, players);
  SlotsFromNameFields(false, fields, players);
  EXPECT_EQ(Names(players), (V{"A", "B", "C", "D", ""}));
}

} // namespace
