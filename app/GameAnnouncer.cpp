#include "GameAnnouncer.h"

#include "GameState.h"

#include <QCoreApplication>

namespace {

QString PlayerName(const GameState& State, int Slot) {
  return QString::fromStdString(State.Players[size_t(Slot)].Name);
}

} // namespace

QString CardTurnedText(const GameState& State, int Col, int Row) {
  return QCoreApplication::translate("TMainForm", "%1 turns row %2, column %3: picture %4.")
      .arg(PlayerName(State, State.CurrentPlayer), QString::number(Row + 1),
           QString::number(Col + 1), QString::number(State.Cells.IdAt(Col, Row)));
}

QString PairJudgedText(const GameState& State) {
  const QString first = QString::number(State.TurnPicks[1].CardId);
  const QString player = PlayerName(State, State.CurrentPlayer);
  if (!State.Matched)
    // A miss has already passed the turn on.
    return QCoreApplication::translate("TMainForm",
                                       "No pair: picture %1 and picture %2. The turn passes to %3.")
        .arg(first, QString::number(State.TurnPicks[2].CardId), player);
  if (State.PairsFound >= State.Cells.PairCount())
    return QCoreApplication::translate("TMainForm",
                                       "Pair of picture %1 for %2. That was the last pair.")
        .arg(first, player);
  return QCoreApplication::translate("TMainForm", "Pair of picture %1 for %2, who plays again.")
      .arg(first, player);
}
