#include "DeckwrightPrompts.h"

#include <QGuiApplication>
#include <QMessageBox>

TDeckwrightPrompts TDeckwrightPrompts::MessageBoxes(QWidget* Parent) {
  // The boxes carry the program's name, as its main() sets it.
  const QString caption = QGuiApplication::applicationDisplayName();
  return {
      [Parent, caption](const QString& question) {
        return QMessageBox::question(Parent, caption, question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
      },
      [Parent, caption](const QString& text) { QMessageBox::information(Parent, caption, text); },
      [Parent, caption](const QString& text) { QMessageBox::warning(Parent, caption, text); }};
}
