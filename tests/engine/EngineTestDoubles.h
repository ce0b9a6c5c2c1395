// An observer that records every notification in order, and a card set held in memory.
#pragma once

#include "CardSource.h"
#include "GameEngine.h"
#include "GameView.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Notifications are recorded as short words: "cell 2,0", "face 1 2,0", "status Bob (pairs: 1)",
// "sound match", "sound miss", "timer start", "timer stop", "fit 4x4", "reset", "finished".
class RecordingView : public IGameView {
public:
  std::vector<std::string> Calls;
  bool TimerRunning = false;
  int FinishedCount = 0;
  // Runs inside GameFinished, where the real view shows the score screen modally.
  std::function<void()> OnFinished;

  void CellChanged(int32_t Col, int32_t Row) override { Calls.push_back("cell " + Cell(Col, Row)); }
  void FaceShown(int32_t Pick, int32_t Col, int32_t Row) override {
    Calls.push_back("face " + std::to_string(Pick) + " " + Cell(Col, Row));
  }
  void StatusTextChanged(const std::string& Text) override { Calls.push_back("status " + Text); }
  void PlaySound(GameSound Sound) override {
    Calls.push_back(Sound == GameSound::Match ? "sound match" : "sound miss");
  }
  void StartRevealTimer() override {
    TimerRunning = true;
    Calls.push_back("timer start");
  }
  void StopRevealTimer() override {
    TimerRunning = false;
    Calls.push_back("timer stop");
  }
  void FitBoard(int32_t Rows, int32_t Cols) override {
    Calls.push_back("fit " + std::to_string(Rows) + "x" + std::to_string(Cols));
  }
  void BoardReset() override { Calls.push_back("reset"); }
  void GameFinished() override {
    ++FinishedCount;
    Calls.push_back("finished");
    if (OnFinished) {
      OnFinished();
    }
  }

  // The calls recorded since the last Take, and forgets them.
  std::vector<std::string> Take() {
    std::vector<std::string> Taken;
    Taken.swap(Calls);
    return Taken;
  }
  // The last status text, or "(none)".
  std::string LastStatus() const {
    for (auto It = Calls.rbegin(); It != Calls.rend(); ++It) {
      if (It->rfind("status ", 0) == 0) {
        return It->substr(7);
      }
    }
    return "(none)";
  }

  static std::string Cell(int32_t Col, int32_t Row) {
    return std::to_string(Col) + "," + std::to_string(Row);
  }
};

// A card set in memory. Either call can be made to throw.
class FakeCardSource : public ICardSource {
public:
  CardSetHeaderInfo Header{120, 90, 60, 2, {}};
  std::vector<std::vector<int32_t>> Loaded;
  std::vector<BoardShape> LoadedFor;
  bool FailHeader = false;
  bool FailFaces = false;

  CardSetHeaderInfo ReadHeader() override {
    if (FailHeader) {
      throw std::runtime_error("The file cannot be read.");
    }
    return Header;
  }
  void LoadFaces(const std::vector<int32_t>& Faces, const BoardShape& Shape) override {
    if (FailFaces) {
      throw std::runtime_error("The file cannot be read.");
    }
    Loaded.push_back(Faces);
    LoadedFor.push_back(Shape);
  }
};

// An engine with its view, card set and reproducible seeds, ready for a test to drive.
struct EngineFixture {
  explicit EngineFixture(uint64_t FirstSeed = 1) : Seeds(FirstSeed), Engine(View, Seeds) {}

  // Starts a game of Pairs with the given names in slots 1..5 (empty names allowed).
  void Start(int32_t Pairs, bool Computer, std::vector<std::string> Names, int32_t Level = 3) {
    for (size_t I = 0; I < 5; ++I) {
      Engine.Players()[I + 1].Name = I < Names.size() ? Names[I] : "";
    }
    Options.Pairs = Pairs;
    Options.Computer = Computer;
    Options.Level = Level;
    Engine.NewGame1Click(Options, Cards);
  }

  // The two cells of every identity, index 0 unused: Cells[id] = {{c1, r1}, {c2, r2}}.
  std::vector<std::vector<std::pair<int32_t, int32_t>>> CellsById() const {
    const Board& B = Engine.Cells();
    std::vector<std::vector<std::pair<int32_t, int32_t>>> Result(B.PairCount() + 1);
    for (int32_t Row = 0; Row < B.Rows; ++Row) {
      for (int32_t Col = 0; Col < B.Cols; ++Col) {
        Result[B.CellId[Row][Col]].push_back({Col, Row});
      }
    }
    return Result;
  }

  void Select(std::pair<int32_t, int32_t> Cell) { Engine.SelectCell(Cell.first, Cell.second); }

  RecordingView View;
  CountingSeedSource Seeds;
  GameEngine Engine;
  FakeCardSource Cards;
  NewGameOptions Options;
};
