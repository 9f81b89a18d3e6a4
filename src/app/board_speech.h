// What the board says to a screen reader, in the game's language: the
// names of its cells, what a move did, and the readings of the board that
// the letter keys ask for.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "engine/board.h"
#include "engine/game_record.h"
#include "engine/game_state.h"

namespace trimbol::app {

QString BoardName();
// "Слой 1, ряд 2, столбец 3: крестик"; piece 0 is an empty cell.
QString CellName(Cell cell, int piece);

// A computer's move ("Нолики: слой 1, …"), a click on a taken cell, a
// click while no game runs.
QString MoveText(Side side, Cell cell);
QString OccupiedText();
QString NoGameText();
QString NewGameText();
QString HintText();
// The pieces a taking back removed, each with its place.
QString TakenBackText(const QStringList& pieces);
QString PieceAt(Cell cell, int piece);  // "крестик, слой 1, …" for that list

// The readings. The row, the column of the cursor's layer and the pillar
// through the cursor, with their pieces in order.
QString RowText(const Board& board, Cell cursor);
QString ColumnText(const Board& board, Cell cursor);
QString PillarText(const Board& board, Cell cursor);
// Whose turn it is, or the last result while no game runs, and the wins of
// the sides in play.
QString SummaryText(const GameState& state, const QString& lastResult);
// The last piece each side in play has on the board, for `moves` in the
// order they were placed.
QString LastMovesText(const std::vector<PlacedPiece>& moves, int sidesInPlay);
// Every empty cell where a side in play would complete a line.
QString ThreatsText(const Board& board, int sidesInPlay);

}  // namespace trimbol::app
