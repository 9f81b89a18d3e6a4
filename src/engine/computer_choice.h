// The computer's choice of a cell, apart from placing it: the move itself
// and the hint both ask here.
#pragma once

#include <optional>

#include "engine/board.h"
#include "engine/random_generator.h"
#include "engine/side.h"
#include "engine/side_settings.h"

namespace trimbol {

// The cell `side` would take at `strength`, Master excepted: it asks
// MasterSearch, which keeps what it has worked out. Every attempt draws three
// numbers from `random`, also when a line decides the cell. Nothing, and no
// draw, on a full board.
std::optional<Cell> ChooseCell(const Board& board, Side side, Strength strength, RandomGenerator& random);

}  // namespace trimbol
