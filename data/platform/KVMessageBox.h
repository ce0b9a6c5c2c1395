// The modal message box as the utility routines see it. The program installs the widget one
// at start-up; tests install a fake. Until one is installed, messages go to standard error.
#pragma once

#include <QString>

class TKVMessageBox {
public:
  virtual ~TKVMessageBox() = default;

  // Shows Text under Caption with the buttons and icon given by Flags (the MB_ constants of
  // KVUtils.h) and returns the ID_ constant of the button pressed.
  virtual int Show(const QString& Text, const QString& Caption, int Flags) = 0;

  static TKVMessageBox& Instance();
  // Installs Box (not owned; it must outlive its use); nullptr restores the default.
  static void SetInstance(TKVMessageBox* Box);
};
