// The moves of a game in order, and what a lost two-side game teaches: the
// move after which the loser had no defence.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/board.h"
#include "engine/side.h"

namespace trimbol {

class MasterSearch;

struct PlacedPiece {
  Side side;
  Cell cell;
  friend bool operator==(const PlacedPiece&, const PlacedPiece&) = default;
};

// A game's moves, first to last.
using GameRecord = std::vector<PlacedPiece>;

// Sides 1 and 2 in turn from side 1, and nothing else.
bool IsTwoSideGame(const GameRecord& record);

// For a two-side game whose last move completed a line: the index of the
// first move after which every position was won for the winner with perfect
// play. A game lost from the start names its first move.
std::size_t DecisiveMove(const GameRecord& record, MasterSearch& search);

}  // namespace trimbol
