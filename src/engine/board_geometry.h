// Where the board lies in the window, in pixels of its client area (x to the
// right, y downwards): the pictures are drawn there, the animation frames
// cover them, and the pointer picks its cells there.
#pragma once

#include <array>

#include "engine/board.h"

namespace trimbol::geometry {

constexpr int kPictureSize = 50;  // every cell picture and frame, never scaled
constexpr int kCellPitch = 60;    // picture and gap
constexpr int kBoardTop = 10;
constexpr std::array<int, 3> kLayerLeft = {10, 230, 450};
// The board's far edges; the window's controls all lie below it.
constexpr int kBoardRight = 620;
constexpr int kBoardBottom = 180;

struct Point {
  int x = 0, y = 0;
};

constexpr Point CellOrigin(Cell cell) {
  return {kLayerLeft[cell.layer] + kCellPitch * cell.column, kBoardTop + kCellPitch * cell.row};
}

// The pointer's pick zones are a pitch wide per column and start at the
// left edge of the client area, not at the pictures: the left layer from
// x = 0 on, the others strictly inside their bounds. y picks the row above
// kBoardBottom.
constexpr std::array<int, 3> kPickLeft = {0, 230, 450};
constexpr int kPickWidth = 3 * kCellPitch;

struct ColumnPick {
  int layer = -1, column = -1;  // -1: x is outside every zone
};

constexpr ColumnPick PickColumn(int x) {
  for (int layer = 0; layer < 3; ++layer) {
    const int left = kPickLeft[layer];
    const bool inside = layer == 0 ? x >= left : x > left;
    if (inside && x < left + kPickWidth) return {layer, (x - left) / kCellPitch};
  }
  return {};
}

// The row under y, or -1 outside the board.
constexpr int PickRow(int y) { return y >= 0 && y < kBoardBottom ? y / kCellPitch : -1; }

}  // namespace trimbol::geometry
