#include "DeckwrightPrompts.h"

#include <QMessageBox>

namespace {

const QString Caption = QStringLiteral("Deckwright");

} // namespace

TDeckwrightPrompts TDeckwrightPrompts::MessageBoxes(QWidget* Parent) {
  return {[Parent](const QString& question) {
            return QMessageBox::question(Parent, Caption, question,
                                         QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes;
          },
          [Parent](const QString& text) { QMessageBox::information(Parent, Caption, text); },
          [Parent](const QString& text) { QMessageBox::warning(Parent, Caption, text); }};
}
