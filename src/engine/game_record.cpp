#include "engine/game_record.h"

#include "engine/master_search.h"

namespace trimbol {

bool IsTwoSideGame(const GameRecord& record) {
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (record[i].side != Side(i % 2 == 0 ? 1 : 2)) return false;
  }
  return !record.empty();
}

std::size_t DecisiveMove(const GameRecord& record, MasterSearch& search) {
  const Side winner = record.back().side;
  const Side loser = winner.NextOf(2);
  std::vector<Board> positions(1, Board{});
  for (const PlacedPiece& move : record) {
    positions.push_back(positions.back());
    positions.back()[CellIndex(move.cell)] = PieceOf(move.side);
  }
  // Back from the end: the last position the loser could still hold, and
  // the move that left it.
  for (std::size_t after = record.size() - 1; after > 0; --after) {
    const Board& board = positions[after];
    const Side toMove = record[after].side;
    // A position the search cannot settle in time counts as defensible.
    const std::optional<Outcome> outcome = search.Solve(board, toMove, toMove.NextOf(2));
    const bool lost = outcome && (toMove == loser ? *outcome == Outcome::kLoss : *outcome == Outcome::kWin);
    if (!lost) return after;
  }
  return 0;
}

}  // namespace trimbol
