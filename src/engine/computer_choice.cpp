// Weak completes the first line of its own two pieces it finds; strong, if
// there is none, blocks the first line of two equal pieces of any side;
// otherwise a random empty cell.
#include "engine/computer_choice.h"

#include <algorithm>

#include "engine/lines.h"

namespace trimbol {

namespace {

// Walks the lines in scan order; returns the cell that completes the first
// line whose other two cells satisfy the pair condition, or -1.
template <typename Pair>
int Scan(const Board& board, Pair pair) {
  for (const Line& line : kScanLines) {
    const PieceCode a = board[line.a], b = board[line.b], c = board[line.c];
    if (pair(a, b) && c == 0) return line.c;
    if (pair(a, c) && b == 0) return line.b;
    if (pair(b, c) && a == 0) return line.a;
  }
  return -1;
}

}  // namespace

std::optional<Cell> ChooseCell(const Board& board, Side side, Strength strength, RandomGenerator& random) {
  // Without an empty cell the attempts below would never end.
  if (std::find(board.begin(), board.end(), 0) == board.end()) return std::nullopt;
  const PieceCode own = PieceOf(side);

  int scanned = -1;
  if (strength != Strength::kNone) {
    scanned = Scan(board, [own](PieceCode x, PieceCode y) { return x == own && y == own; });
  }
  if (scanned < 0 && strength == Strength::kStrong) {
    scanned = Scan(board, [](PieceCode x, PieceCode y) { return x == y && x != 0; });
  }

  for (;;) {
    // All three coordinates are drawn in every attempt, also when a scan
    // decides the move: that keeps the random sequence the same.
    const int layer = random.Next() % 3;
    const int column = random.Next() % 3;
    const int row = random.Next() % 3;
    if (scanned >= 0) return CellAt(scanned);
    if (board[CellIndex(layer, column, row)] == 0) return Cell{layer, column, row};
  }
}

}  // namespace trimbol
