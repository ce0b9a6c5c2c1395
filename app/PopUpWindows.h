// The secondary windows the main window opens: help, about, the score screen and the card
// builder's launch. They are reached through this interface so the main window does not
// depend on how they are built.
#pragma once

#include <QImage>
#include <QString>

class GameEngine;

class IPopUpWindows {
public:
  virtual ~IPopUpWindows() = default;

  // Each Show runs modally and returns when the window is closed.
  virtual void ShowHelp() = 0;
  virtual void ShowAbout() = 0;
  // The end of a game: the player slots and verdict of Game, the set's advert and its link.
  virtual void ShowScore(const GameEngine& Game, const QImage& Advert, const QString& AdLink) = 0;
  // The card-builder button of the options panel.
  virtual void LaunchBuilder() = 0;
};

// Windows that are not there: nothing is shown.
class TNoPopUpWindows : public IPopUpWindows {
public:
  void ShowHelp() override {}
  void ShowAbout() override {}
  void ShowScore(const GameEngine&, const QImage&, const QString&) override {}
  void LaunchBuilder() override {}
};
