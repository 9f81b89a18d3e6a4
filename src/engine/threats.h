// The cells where a side would complete a line with its next piece.
#pragma once

#include <array>
#include <vector>

#include "engine/board.h"
#include "engine/lines.h"

namespace trimbol {

// In reading order: layer by layer, each row by row.
inline std::vector<Cell> CompletingCells(const Board& board, Side side) {
  std::array<bool, kCells> completes{};
  for (const Line& line : kScanLines) {
    int own = 0, empty = -1;
    for (int index : {line.a, line.b, line.c}) {
      if (board[index] == PieceOf(side)) ++own;
      if (board[index] == 0) empty = index;
    }
    if (own == 2 && empty >= 0) completes[empty] = true;
  }
  std::vector<Cell> cells;
  for (int layer = 0; layer < 3; ++layer) {
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        if (completes[CellIndex(layer, column, row)]) cells.push_back({layer, column, row});
      }
    }
  }
  return cells;
}

}  // namespace trimbol
