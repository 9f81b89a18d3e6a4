// The turn driver: the pointer picks a cell, a click places a person's
// piece and lets the computer sides answer.
#include "game.h"
#include "tables.h"

namespace trimbol {

namespace {

constexpr int kBoardBottom = 180;  // pointer rows at or below this pick nothing

// The column under x within a layer panel, or -1 outside the pick zones.
// Panel 0 is picked from x = 0, panels 1 and 2 strictly inside their bounds.
struct Pick {
  int layer = -1, column = -1;
};
Pick PickColumn(int x) {
  if (x >= 0 && x < 180) return {0, x / 60};
  if (x > 230 && x < 410) return {1, (x - 230) / 60};
  if (x > 450 && x < 630) return {2, (x - 450) / 60};
  return {};
}

}  // namespace

void Game::FormMouseMove(int x, int y) {
  // Negative coordinates arrive while the pointer is captured outside the
  // window; they pick nothing.
  if (y >= 0 && y < kBoardBottom) state_.HoverRow = y / 60;
  if (const Pick pick = PickColumn(x); pick.layer >= 0) {
    state_.HoverLayer = pick.layer;
    state_.HoverColumn = pick.column;
  }
  state_.LastMouseY = y;
}

void Game::FormClick() {
  GameState& s = state_;
  s.ClickedRow = s.HoverRow;
  s.ClickedColumn = s.HoverColumn;
  s.ClickedLayer = s.HoverLayer;
  bool placedThisClick = false;

  // A person's placement. The blocks are not exclusive: when side 1's
  // placement ends a game and autostart begins the next, side 2 (to move in
  // the new game) may place on the same cell within this click.
  for (int side = 1; side <= kSides; ++side) {
    if (s.CurrentPlayer == side && s.AutoModeOf(side) == 0 &&
        s.GetCell(s.ClickedLayer, s.ClickedColumn, s.ClickedRow) == 0 &&
        s.LastMouseY < kBoardBottom) {
      PlaceByPerson(side);
      placedThisClick = true;
      PlayMoveSound(side);
    }
  }

  // At most one Half move, and none after a person's placement.
  for (int side = 1; side <= kSides; ++side) {
    if (s.CurrentPlayer == side && !placedThisClick && s.AutoModeOf(side) == 1) {
      ComputerMove(side);
      placedThisClick = true;
      PlayMoveSound(side);
    }
  }

  // The On sides. Until a game has ended since the last new-game command the
  // scan restarts after every move, so one click plays a game to its end;
  // after that each side moves at most once per click.
  for (int side = 1; side <= kSides;) {
    if (s.CurrentPlayer == side && s.AutoModeOf(side) == 2) {
      if (!ComputerMove(side)) break;  // a full board: nothing left to play
      PlayMoveSound(side);
      if (s.GameEndedFlag == 0) {
        side = 1;
        continue;
      }
    }
    ++side;
  }

  if (s.CurrentPlayer != 0) host_.DrawBoard(s.board);
}

void Game::PlaceByPerson(int side) {
  GameState& s = state_;
  s.SetCell(s.ClickedLayer, s.ClickedColumn, s.ClickedRow, static_cast<PieceCode>(side));
  if (s.AnimationOn == 1) {
    s.AnimationFrame = 0;
    s.AnimatedPiece = side;
    host_.StartTimer(TimerId::Animation);
  }
  host_.DrawBoard(s.board);
  CheckLines();
  AdvanceTurn();
}

void Game::PlayMoveSound(int side) {
  if (state_.SoundOn != 1) return;
  // Crosses and squiggles clap, noughts and spirals snap.
  host_.PlayEffect(std::string(side % 2 == 1 ? EffectFiles[2] : EffectFiles[3]));
}

}  // namespace trimbol
