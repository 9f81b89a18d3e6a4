// The turn driver: the pointer picks a cell, a click places a person's
// piece and lets the computer sides answer.
#pragma once

#include "engine/board.h"
#include "engine/side.h"

namespace trimbol {

class Game;

class TurnDriver {
 public:
  explicit TurnDriver(Game& game) : game_(game) {}

  void PointerMoved(int x, int y);  // client pixels
  // A left click on the board area: a person's placement, then the
  // computer's answers.
  void Clicked();
  // The same click on `cell` from the keyboard: the pointer plays no part.
  void ClickCell(Cell cell);

 private:
  // Everything a click sets off, on `cell`; a person places only when the
  // click was over the board.
  void Click(Cell cell, bool overBoard);
  void PlayMoveSound(Side side);

  Game& game_;
};

}  // namespace trimbol
