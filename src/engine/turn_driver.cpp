// The turn driver: the pointer picks a cell, a click places a person's
// piece and lets the computer sides answer.
#include "engine/board_geometry.h"
#include "engine/file_names.h"
#include "engine/game.h"

namespace trimbol {

void Game::PointerMoved(int x, int y) {
  // Negative coordinates arrive while the pointer is captured outside the
  // window; they pick nothing.
  if (const int row = geometry::PickRow(y); row >= 0) state_.hover.row = row;
  if (const geometry::ColumnPick pick = geometry::PickColumn(x); pick.layer >= 0) {
    state_.hover.layer = pick.layer;
    state_.hover.column = pick.column;
  }
  state_.lastPointerY = y;
}

void Game::Clicked() { Click(state_.hover, state_.lastPointerY < geometry::kBoardBottom); }

void Game::ClickCell(Cell cell) { Click(cell, true); }

void Game::Click(Cell cell, bool overBoard) {
  GameState& s = state_;
  s.clicked = cell;
  bool placedThisClick = false;

  // A person's placement. The blocks are not exclusive: when side 1's
  // placement ends a game and autostart begins the next, side 2 (to move in
  // the new game) may place on the same cell within this click.
  for (int side = 1; side <= kSides; ++side) {
    if (s.currentPlayer == side && s.AutoModeOf(side) == 0 && s.at(s.clicked) == 0 && overBoard) {
      PlaceByPerson(side);
      placedThisClick = true;
      PlayMoveSound(side);
    }
  }

  // At most one Half move, and none after a person's placement.
  for (int side = 1; side <= kSides; ++side) {
    if (s.currentPlayer == side && !placedThisClick && s.AutoModeOf(side) == 1) {
      ComputerMove(side);
      placedThisClick = true;
      PlayMoveSound(side);
    }
  }

  // The On sides. Until a game has ended since the last new-game command the
  // scan restarts after every move, so one click plays a game to its end;
  // after that each side moves at most once per click.
  for (int side = 1; side <= kSides;) {
    if (s.currentPlayer == side && s.AutoModeOf(side) == 2) {
      if (!ComputerMove(side)) break;  // a full board: nothing left to play
      PlayMoveSound(side);
      if (s.gameEnded == 0) {
        side = 1;
        continue;
      }
    }
    ++side;
  }

  if (s.currentPlayer != 0) host_.ShowBoard(s.board);
}

void Game::PlaceByPerson(int side) {
  GameState& s = state_;
  s.at(s.clicked) = static_cast<PieceCode>(side);
  host_.ShowPlacement(s.clicked, side, Placer::kPerson);
  if (s.animationOn == 1) {
    s.animationFrame = 0;
    s.animatedPiece = side;
    host_.StartTimer(GameTimer::kAnimation);
  }
  host_.ShowBoard(s.board);
  CheckLines();
  AdvanceTurn();
}

void Game::PlayMoveSound(int side) {
  if (state_.soundOn != 1) return;
  // Crosses and squiggles clap, noughts and spirals snap.
  host_.PlaySound(SoundPlayer::kEffects, side % 2 == 1 ? files::kClap : files::kSnap);
}

}  // namespace trimbol
