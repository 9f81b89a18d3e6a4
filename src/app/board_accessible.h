// The board as assistive technology sees it: one table of 3 rows and 9
// columns, the layers side by side as on the screen, so that a screen
// reader's table keys move as the eye and the arrow keys do. Each cell is
// named by its layer, its row and column within the layer, and its piece.
#pragma once

#include <QString>

#include "engine/board.h"

namespace trimbol::app {

inline constexpr int kAccessibleRows = 3;
inline constexpr int kAccessibleColumns = 9;

// The table's child index of a cell, row by row, and back.
constexpr int AccessibleIndex(Cell cell) { return cell.row * kAccessibleColumns + cell.layer * 3 + cell.column; }
constexpr Cell CellOfAccessibleIndex(int index) {
  const int column = index % kAccessibleColumns;
  return {column / 3, column % 3, index / kAccessibleColumns};
}

// What a screen reader says, in the game's language.
QString BoardName();
QString CellName(Cell cell, int piece);
QString ComputerAnswerText(int side);

// Makes Qt ask this file for the board's accessible interface; once.
void InstallBoardAccessibility();

}  // namespace trimbol::app
