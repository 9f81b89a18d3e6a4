// The 3 x 3 x 3 board and its cell addressing.
#pragma once

#include <array>
#include <cstdint>

#include "engine/side.h"

namespace trimbol {

// PieceCode: 0 empty, else the number of the side whose piece it is.
using PieceCode = std::int16_t;
constexpr int kCells = 27;

constexpr PieceCode PieceOf(Side side) { return static_cast<PieceCode>(side.number()); }

using Board = std::array<PieceCode, kCells>;

// Layer 0..2 (left, middle, right panel), column 0..2 (left to right),
// row 0..2 (top to bottom).
struct Cell {
  int layer = 0, column = 0, row = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// The three cells of a column are adjacent.
constexpr int CellIndex(int layer, int column, int row) { return layer * 9 + column * 3 + row; }
constexpr int CellIndex(Cell cell) { return CellIndex(cell.layer, cell.column, cell.row); }
constexpr Cell CellAt(int index) { return {index / 9, index % 9 / 3, index % 3}; }

}  // namespace trimbol
