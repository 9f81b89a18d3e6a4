// The board as assistive technology sees it: a table of 27 rows of one
// cell, layer by layer and each layer row by row, as one reads the screen.
// One cell to a row, because a screen reader reads the whole row whenever
// the focus moves into another: on a wider table every move would read
// several cells. Each cell is named by its layer, its row and column within
// the layer, and its piece; its description is what the board has just said
// there.
#pragma once

#include "engine/board.h"

namespace trimbol::app {

class BoardView;

inline constexpr int kAccessibleRows = kCells;
inline constexpr int kAccessibleColumns = 1;

// The table's child index of a cell, in reading order, and back.
constexpr int AccessibleIndex(Cell cell) { return cell.layer * 9 + cell.row * 3 + cell.column; }
constexpr Cell CellOfAccessibleIndex(int index) { return {index / 9, index % 3, index % 9 / 3}; }

// Gives a cell a second accessible object in place of its first, and back
// the next time: a reader told of the focus on it then takes it for a new
// place and speaks it, name and description, although the cell is the same.
void RenewCell(BoardView& view, Cell cell);

// Makes Qt ask this file for the board's accessible interface; once.
void InstallBoardAccessibility();

}  // namespace trimbol::app
