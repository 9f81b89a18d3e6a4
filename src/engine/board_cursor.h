// The keyboard's cursor on the board: where it starts and how each key
// moves it. The layers lie side by side, so Left and Right cross from one
// layer into the next as the eye does; every move stops at the board's
// outer edges.
#pragma once

#include "engine/board.h"

namespace trimbol {

enum class CursorStep {
  kUp,
  kDown,
  kLeft,
  kRight,
  kPreviousLayer,  // the same cell of the layer to the left
  kNextLayer,      // the same cell of the layer to the right
  kLayerFirst,     // the top-left cell of the layer
  kLayerLast,      // the bottom-right cell of the layer
};

// The centre of the middle layer.
inline constexpr Cell kCursorStart{1, 1, 1};

constexpr Cell MoveCursor(Cell cell, CursorStep step) {
  constexpr int kLast = 2;
  switch (step) {
    case CursorStep::kUp:
      if (cell.row > 0) --cell.row;
      break;
    case CursorStep::kDown:
      if (cell.row < kLast) ++cell.row;
      break;
    case CursorStep::kLeft:
      if (cell.column > 0) {
        --cell.column;
      } else if (cell.layer > 0) {
        --cell.layer;
        cell.column = kLast;
      }
      break;
    case CursorStep::kRight:
      if (cell.column < kLast) {
        ++cell.column;
      } else if (cell.layer < kLast) {
        ++cell.layer;
        cell.column = 0;
      }
      break;
    case CursorStep::kPreviousLayer:
      if (cell.layer > 0) --cell.layer;
      break;
    case CursorStep::kNextLayer:
      if (cell.layer < kLast) ++cell.layer;
      break;
    case CursorStep::kLayerFirst:
      cell.column = cell.row = 0;
      break;
    case CursorStep::kLayerLast:
      cell.column = cell.row = kLast;
      break;
  }
  return cell;
}

}  // namespace trimbol
