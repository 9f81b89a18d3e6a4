// Everything the game knows: the board, the side to move, the settings,
// the win counters, the flags and the cells under the pointer.
#pragma once

#include <array>
#include <cstdint>

#include "board.h"

namespace trimbol {

struct GameState {
  Board board{};

  int ClickedColumn = 0, ClickedRow = 0, ClickedLayer = 0;
  int HoverColumn = 0, HoverRow = 0, HoverLayer = 0;
  std::array<int, kSides> WinCount{};
  int LastMouseY = 0;
  std::array<int, kSides> AutoMode{};       // 0 Off, 1 Half, 2 On
  int AnimationFrame = 0;
  int AnimationOn = 1;
  int CurrentPlayer = 0;                    // 0: no game running
  int AnimatedPiece = 0;
  int SoundOn = 0;
  int AutoStartOn = 1;
  std::array<int, kSides> Intelligence{};   // 0 None, 1 Weak, 2 Strong
  int PlayerCount = 4;
  std::uint8_t GameEndedFlag = 0;

  // The one random generator of the program; never reseeded, so every run
  // plays the same sequence.
  std::uint64_t RandomState = 22695478;

  PieceCode GetCell(int layer, int column, int row) const {
    return board[CellIndex(layer, column, row)];
  }
  void SetCell(int layer, int column, int row, PieceCode code) {
    board[CellIndex(layer, column, row)] = code;
  }
  void ClearBoard() { board.fill(0); }

  // Per-side tables are indexed by side 1..4.
  int& AutoModeOf(int side) { return AutoMode[side - 1]; }
  int& IntelligenceOf(int side) { return Intelligence[side - 1]; }
};

}  // namespace trimbol
