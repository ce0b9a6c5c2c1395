// The board of one game: its shape and, per cell, the card identity and what is shown of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int32_t MaxBoardSide = 15;

enum class CellState : int32_t { Removed = 0, FaceDown = 1, FaceUp = 2 };

template <typename T> using CellGrid = std::array<std::array<T, MaxBoardSide>, MaxBoardSide>;
using CellIdGrid = CellGrid<int32_t>;
using CellStateGrid = CellGrid<CellState>;

// Plain data. Cells are addressed (column, row) from 0 and stored [row][col]; only the first
// Rows x Cols cells belong to the board. A cell's identity never changes during a game, only its
// state. Rows and Cols are both 0 when there is no board.
struct Board {
  int32_t Rows = 0;
  int32_t Cols = 0;
  CellIdGrid CellId{};       // card identity 1..Rows*Cols/2, each on exactly two cells
  CellStateGrid CellState{}; // all Removed until the first deal
  // Which of its pair's two cards a cell holds, 0 or 1: the two cells of an identity differ.
  // Only a set whose pairs are two different cards shows it.
  CellGrid<uint8_t> CellSide{};

  int32_t CellCount() const { return Rows * Cols; }
  // Whether a face list of FaceCount is one of a set of different cards: two faces an identity.
  bool TwoFacesACard(size_t FaceCount) const {
    return PairCount() > 0 && FaceCount == 2 * static_cast<size_t>(PairCount());
  }
  int32_t PairCount() const { return Rows * Cols / 2; }
  bool Contains(int32_t Col, int32_t Row) const {
    return Col >= 0 && Row >= 0 && Col < Cols && Row < Rows;
  }
  // Cells outside the board read as identity 0 and Removed, so a caller that walks a stale
  // grid never reads past the board.
  int32_t IdAt(int32_t Col, int32_t Row) const { return Contains(Col, Row) ? CellId[Row][Col] : 0; }
  // The member CellState hides the type of the same name here, hence the qualified names.
  ::CellState StateAt(int32_t Col, int32_t Row) const {
    return Contains(Col, Row) ? CellState[Row][Col] : ::CellState::Removed;
  }
};
