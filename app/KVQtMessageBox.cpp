#include "KVQtMessageBox.h"

#include "KVUtils.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(int Flags) {
  switch (Flags & MB_ICONMASK) {
  case MB_ICONERROR:
    return QMessageBox::Critical;
  case MB_ICONQUESTION:
    return QMessageBox::Question;
  case MB_ICONWARNING:
    return QMessageBox::Warning;
  case MB_ICONINFORMATION:
    return QMessageBox::Information;
  default:
    return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ButtonsOf(int Flags) {
  switch (Flags & MB_BUTTONMASK) {
  case MB_OKCANCEL:
    return QMessageBox::Ok | QMessageBox::Cancel;
  case MB_YESNOCANCEL:
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  case MB_YESNO:
    return QMessageBox::Yes | QMessageBox::No;
  default:
    return QMessageBox::Ok;
  }
}

int IdOf(int Button) {
  switch (Button) {
  case QMessageBox::Cancel:
    return IDCANCEL;
  case QMessageBox::Yes:
    return IDYES;
  case QMessageBox::No:
    return IDNO;
  default:
    return IDOK;
  }
}

} // namespace

int TKVQtMessageBox::Show(const QString& Text, const QString& Caption, int Flags) {
  QMessageBox box(IconOf(Flags), Caption, Text, ButtonsOf(Flags), QApplication::activeWindow());
  // Messages quote file names, card sets and links as they are.
  box.setTextFormat(Qt::PlainText);
  return IdOf(box.exec());
}
