// What the window tests share: a program folder with the generated card sets, hand-made card
// sets, a recording message box and pop-ups, and a main window built against the generated
// skin with a fixed work area and reproducible deals.
#pragma once

#include "CardSetHeader.h"
#include "KVMessageBox.h"
#include "MainF.h"
#include "OpenSkin.h"
#include "PopUpWindows.h"
#include "RandomGenerator.h"
#include "RegistryFile.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class TKVImageMap;

namespace apptest {

struct TShownMessage {
  QString Text;
  QString Caption;
  int Flags = 0;
};

// Installs itself as the message box for its lifetime and records every message.
class TFakeMessageBox : public TKVMessageBox {
public:
  TFakeMessageBox() { SetInstance(this); }
  ~TFakeMessageBox() override { SetInstance(nullptr); }
  int Show(const QString& Text, const QString& Caption, int Flags) override {
    Shown.push_back({Text, Caption, Flags});
    return Answer;
  }
  std::vector<TShownMessage> Shown;
  int Answer = 1; // the button every message is answered with: IDOK
};

struct TScoreShown {
  std::string Winner;
  std::vector<std::string> Names;
  std::vector<int> Pairs;
  QString AdLink;
  bool AdvertShown = false;
};

class TRecordingPopUps : public IPopUpWindows {
public:
  void ShowHelp() override { ++Help; }
  void ShowAbout() override { ++About; }
  void ShowScore(const GameEngine& Game, const QImage& Advert, const QString& AdLink) override;
  void LaunchBuilder() override { ++Builder; }

  int Help = 0;
  int About = 0;
  int Builder = 0;
  std::vector<TScoreShown> Scores;
};

// A BMP file of Picture, as card sets and the skin keep them.
QByteArray BmpBytes(const QImage& Picture);
// A GIF of Size with Frames frames of distinct colours, 100 ms each.
QByteArray GifBytes(QSize Size, int Frames);
// A solid picture of Size and Colour.
QImage Solid(QSize Size, QColor Colour);

// Writes a copy of the build's skin to Path in which entry Damaged is not a picture.
void WriteDamagedSkin(const QString& Path, int Damaged);

// Writes a card set of Faces (already encoded in the format Kind names) to Path.
void WriteCardSet(const QString& Path, const QString& Title, qint32 Kind,
                  const QList<QByteArray>& Faces, QSize CardBox = {120, 90});

// A temporary program folder: cards/ with links to the build's default card sets, sounds and
// the sound module on request, and room for extra sets.
class TAppFolder {
public:
  explicit TAppFolder(bool DefaultSets = true);
  // The folder, ending in '/'.
  QString Path() const;
  QString CardsDir() const { return Path() + QStringLiteral("cards/"); }
  void AddSoundFiles(bool Good, bool Bad, bool Module = true);
  bool IsValid() const { return FDir.isValid(); }

private:
  QTemporaryDir FDir;
};

// The fixed work area of the window tests.
inline const QRect TestWorkArea{0, 0, 1024, 738};

// A main window with everything it needs around it.
class TMainFormRig {
public:
  explicit TMainFormRig(bool DefaultSets = true);
  ~TMainFormRig();

  // Builds the window (the skin archive open only while it is built), shows it and, with
  // Finish, builds the rest at once, as start-up does after the first paint.
  TMainForm& Create(QRect WorkArea = TestWorkArea, bool Show = true, bool Finish = true);
  // Closes and destroys the window (the settings are saved); Create builds a new one.
  void Destroy();

  TMainForm& Form() { return *FForm; }
  TAppFolder Folder;
  RegistryFile Store;
  CountingSeedSource Seeds{20260608};
  TFakeMessageBox Messages;
  TRecordingPopUps PopUps;

private:
  std::unique_ptr<TMainForm> FForm;
};

// Clicks a map at the centre of its area Name.
void ClickArea(TKVImageMap& Map, const QString& Name);
// Clicks the centre of the board cell (Col, Row).
void ClickCell(TMainForm& Form, int Col, int Row);

// Cells of the running game: one face-down cell and its twin, or (-1, -1) twice.
struct TCellPair {
  QPoint First{-1, -1};
  QPoint Second{-1, -1};
};
TCellPair FaceDownPair(const GameEngine& Game);
// Two face-down cells of different identities.
TCellPair FaceDownMiss(const GameEngine& Game);

// Runs the reveal timer's elapse when it is running; true when it was.
bool ElapseRevealTimer(TMainForm& Form);

// Selects the item of Box whose text is Text, as the player would (firing its choice).
void ChooseItem(QComboBox& Box, const QString& Text);

} // namespace apptest
