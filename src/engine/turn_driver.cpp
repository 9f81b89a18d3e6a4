#include "engine/turn_driver.h"

#include "engine/board_geometry.h"
#include "engine/file_names.h"
#include "engine/game.h"

namespace trimbol {

void TurnDriver::PointerMoved(int x, int y) {
  GameState& s = game_.state();
  // Negative coordinates arrive while the pointer is captured outside the
  // window; they pick nothing.
  if (const int row = geometry::PickRow(y); row >= 0) s.hover.row = row;
  if (const geometry::ColumnPick pick = geometry::PickColumn(x); pick.layer >= 0) {
    s.hover.layer = pick.layer;
    s.hover.column = pick.column;
  }
  s.lastPointerY = y;
}

void TurnDriver::Clicked() {
  const GameState& s = game_.state();
  Click(s.hover, s.lastPointerY < geometry::kBoardBottom);
}

void TurnDriver::ClickCell(Cell cell) { Click(cell, true); }

void TurnDriver::Click(Cell cell, bool overBoard) {
  GameState& s = game_.state();
  const Cell clickedBefore = s.clicked;
  s.clicked = cell;
  bool placedThisClick = false;
  auto toMove = [&s](Side side, AutoMode mode) { return s.toMove == side && s.autoMode[side] == mode; };

  // A person's placement. The blocks are not exclusive: when side 1's
  // placement ends a game and autostart begins the next, side 2 (to move in
  // the new game) may place on the same cell within this click.
  for (Side side : AllSides()) {
    if (toMove(side, AutoMode::kPerson) && s.at(s.clicked) == 0 && overBoard) {
      game_.RememberForUndo(clickedBefore);
      game_.Place(s.clicked, side, Placer::kPerson);
      placedThisClick = true;
      PlayMoveSound(side);
    }
  }

  // At most one Half move, and none after a person's placement.
  for (Side side : AllSides()) {
    if (toMove(side, AutoMode::kHalf) && !placedThisClick) {
      game_.ComputerMove(side);
      placedThisClick = true;
      PlayMoveSound(side);
    }
  }

  // The computer sides. Until a game has ended since the last new-game
  // command the scan restarts after every move, so one click plays a game
  // to its end; after that each side moves at most once per click.
  for (SideRange::Iterator it = AllSides().begin(); it != AllSides().end();) {
    const Side side = *it;
    if (toMove(side, AutoMode::kComputer)) {
      if (!game_.ComputerMove(side)) break;  // a full board: nothing left to play
      PlayMoveSound(side);
      if (!s.gameEnded) {
        it = AllSides().begin();
        continue;
      }
    }
    ++it;
  }

  if (s.toMove) game_.host().ShowBoard(s.board);
}

void TurnDriver::PlayMoveSound(Side side) {
  if (!game_.state().soundOn) return;
  // Crosses and squiggles clap, noughts and spirals snap.
  game_.host().PlaySound(SoundPlayer::kEffects, side.number() % 2 == 1 ? files::kClap : files::kSnap);
}

}  // namespace trimbol
