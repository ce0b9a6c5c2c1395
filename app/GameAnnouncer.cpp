#include "GameAnnouncer.h"

#include "GameState.h"

#include <QCoreApplication>

namespace {

QString PlayerName(const GameState& State, int Slot) {
  return QString::fromStdString(State.Players[size_t(Slot)].Name);
}

} // namespace

QString CardTurnedText(const GameState& State, int Col, int Row, const TFaceNamer& Names) {
  const QString who = PlayerName(State, State.CurrentPlayer);
  const QString row = QString::number(Row + 1);
  const QString col = QString::number(Col + 1);
  const QString name = Names ? Names(Col, Row) : QString();
  if (!name.isEmpty())
    return QCoreApplication::translate("TMainForm", "%1 turns row %2, column %3: %4.")
        .arg(who, row, col, name);
  return QCoreApplication::translate("TMainForm", "%1 turns row %2, column %3: picture %4.")
      .arg(who, row, col, QString::number(State.Cells.IdAt(Col, Row)));
}

QString PairJudgedText(const GameState& State, const TFaceNamer& Names) {
  const TurnPick& first = State.TurnPicks[1];
  const TurnPick& second = State.TurnPicks[2];
  const QString player = PlayerName(State, State.CurrentPlayer);
  const bool last = State.PairsFound >= State.Cells.PairCount();
  const QString firstName = Names ? Names(first.Col, first.Row) : QString();
  const QString secondName = Names ? Names(second.Col, second.Row) : QString();
  if (!firstName.isEmpty() || !secondName.isEmpty()) {
    // Cards with words are told by them; one without is still its picture's number.
    const auto told = [](const QString& Name, const TurnPick& Pick) {
      return Name.isEmpty()
                 ? QCoreApplication::translate("TMainForm", "picture %1").arg(Pick.CardId)
                 : Name;
    };
    const QString a = told(firstName, first);
    const QString b = told(secondName, second);
    if (!State.Matched)
      return QCoreApplication::translate("TMainForm", "No pair: %1 and %2. The turn passes to %3.")
          .arg(a, b, player);
    // A picture and its word share their name, which is said once.
    if (a == b && last)
      return QCoreApplication::translate("TMainForm", "Pair of %1 for %2. That was the last pair.")
          .arg(a, player);
    if (a == b)
      return QCoreApplication::translate("TMainForm", "Pair of %1 for %2, who plays again.")
          .arg(a, player);
    if (last)
      return QCoreApplication::translate("TMainForm",
                                         "Pair of %1 and %2 for %3. That was the last pair.")
          .arg(a, b, player);
    return QCoreApplication::translate("TMainForm", "Pair of %1 and %2 for %3, who plays again.")
        .arg(a, b, player);
  }
  const QString id = QString::number(first.CardId);
  if (!State.Matched)
    // A miss has already passed the turn on.
    return QCoreApplication::translate("TMainForm",
                                       "No pair: picture %1 and picture %2. The turn passes to %3.")
        .arg(id, QString::number(second.CardId), player);
  if (last)
    return QCoreApplication::translate("TMainForm",
                                       "Pair of picture %1 for %2. That was the last pair.")
        .arg(id, player);
  return QCoreApplication::translate("TMainForm", "Pair of picture %1 for %2, who plays again.")
      .arg(id, player);
}
