// Everything the game knows: the board, the side to move, the settings,
// the win counters, the flags and the cells under the pointer.
#pragma once

#include <optional>

#include "engine/board.h"
#include "engine/random_generator.h"
#include "engine/side.h"
#include "engine/side_settings.h"

namespace trimbol {

struct GameState {
  Board board{};

  Cell clicked;  // copied from `hover` at every click
  Cell hover;    // the cell last under the pointer
  PerSide<int> winCount{};
  int lastPointerY = 0;
  PerSide<AutoMode> autoMode{};
  int animationFrame = 0;  // the frame shown last
  bool animationOn = true;
  std::optional<Side> toMove;  // empty while no game runs
  std::optional<Side> animatedSide;
  bool soundOn = false;
  bool autoStartOn = true;
  PerSide<Strength> strength{};
  int sidesInPlay = kSideCount;  // 2..kSideCount
  // Set by every game end; cleared by a new-game command and by a game end
  // that stops play, so it stays set through games started automatically.
  bool gameEnded = false;

  RandomGenerator random;

  PieceCode& at(Cell cell) { return board[CellIndex(cell)]; }
  PieceCode at(Cell cell) const { return board[CellIndex(cell)]; }
  void ClearBoard() { board.fill(0); }
};

}  // namespace trimbol
