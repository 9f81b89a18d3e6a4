// The computer player and the program's one random generator.
#include "engine/game.h"
#include "engine/lines.h"

namespace trimbol {

namespace {

constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ULL;

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

int Game::NextRandom() {
  state_.randomState = state_.randomState * kMultiplier + 1;
  return static_cast<int>((state_.randomState >> 32) & 0x7FFFFFFFU);
}

bool Game::ComputerMove(int side) {
  // Without an empty cell the attempts below would never end.
  if (!EmptyCellExists()) return false;
  Board& board = state_.board;
  const int level = state_.IntelligenceOf(side);

  // The scans read only the board, which no attempt changes before it
  // places, so their answer is the same in every attempt.
  int scanned = -1;
  if (level == 1 || level == 2) {
    scanned = Scan(board, [side](PieceCode x, PieceCode y) { return x == side && y == side; });
  }
  if (scanned < 0 && level == 2) {
    scanned = Scan(board, [](PieceCode x, PieceCode y) { return x == y && x != 0; });
  }

  int target = -1;
  while (target < 0) {
    // All three coordinates are drawn in every attempt, also when a scan
    // decides the move: that keeps the random sequence the same.
    const int layer = NextRandom() % 3;
    const int column = NextRandom() % 3;
    const int row = NextRandom() % 3;
    if (scanned >= 0) {
      target = scanned;
    } else if (board[CellIndex(layer, column, row)] == 0) {
      target = CellIndex(layer, column, row);
    }
  }
  board[target] = static_cast<PieceCode>(side);
  host_.ShowPlacement(CellAt(target), side, Placer::kComputer);
  host_.ShowBoard(board);
  CheckLines();
  AdvanceTurn();
  return true;
}

}  // namespace trimbol
