// Everything the game knows: the board, the side to move, the settings,
// the win counters, the flags and the cells under the pointer.
#pragma once

#include <array>
#include <cstdint>

#include "engine/board.h"

namespace trimbol {

// The switches count as on only when they hold exactly 1.
struct GameState {
  Board board{};

  Cell clicked;  // copied from `hover` at every click
  Cell hover;    // the cell last under the pointer
  std::array<int, kSides> winCount{};
  int lastPointerY = 0;
  std::array<int, kSides> autoMode{};  // 0 a person, 1 half, 2 the computer
  int animationFrame = 0;              // the frame shown last
  int animationOn = 1;
  int currentPlayer = 0;  // the side to move; 0 while no game runs
  int animatedPiece = 0;
  int soundOn = 0;
  int autoStartOn = 1;
  std::array<int, kSides> intelligence{};  // 0 none, 1 weak, 2 strong
  int playerCount = 4;
  // Set by every game end; cleared by a new-game command and by a game end
  // that stops play, so it stays set through games started automatically.
  std::uint8_t gameEnded = 0;

  // The one random generator of the program; never reseeded, so every run
  // plays the same sequence.
  std::uint64_t randomState = 22695478;

  PieceCode& at(Cell cell) { return board[CellIndex(cell)]; }
  PieceCode at(Cell cell) const { return board[CellIndex(cell)]; }
  void ClearBoard() { board.fill(0); }

  // Per-side tables are indexed by side 1..4.
  int& AutoModeOf(int side) { return autoMode[side - 1]; }
  int& IntelligenceOf(int side) { return intelligence[side - 1]; }
};

}  // namespace trimbol
