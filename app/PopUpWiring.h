// The program's secondary windows: the pop-up base, the score screen, the about box, the help
// window and the browse dialog of the card builder.
//
// Their pictures are read from the open skin archive right after the main window's, so a
// damaged skin is reported before anything is shown; the windows themselves are built from
// those pictures once the main window is on screen (Build), or when one is first needed.
#pragma once

#include "PopUpWindows.h"
#include "SkinEntries.h"

#include <memory>

class TMainForm;

class TPopUpWindows : public IPopUpWindows {
public:
  // Reads every picture of the windows from Skin, in the order the windows read them. Throws
  // ESkinError (with the error's own text) when one cannot be read. MainForm must outlive the
  // windows.
  TPopUpWindows(TSkinReader& Skin, TMainForm& MainForm);
  ~TPopUpWindows() override;

  // Builds every window in start-up order; later calls do nothing. What start-up does before it,
  // Qt's texts and the rest of the main window with its hand cursors, is done first, so a window
  // opened sooner than start-up would build it is the same as one opened later.
  void Build();
  bool Built() const { return FWindows != nullptr; }

  // Each builds the windows first when they are not built yet.
  void ShowHelp() override;
  void ShowAbout() override;
  void ShowScore(const GameEngine& Game, const QImage& Advert, const QString& AdLink) override;
  void LaunchBuilder() override;

private:
  TSkinReader FSkin;
  TMainForm& FMainForm;
  std::unique_ptr<IPopUpWindows> FWindows;
};

// The secondary windows of MainForm, their pictures read from Skin (see TPopUpWindows).
std::unique_ptr<TPopUpWindows> CreatePopUpWindows(TSkinReader& Skin, TMainForm& MainForm);
