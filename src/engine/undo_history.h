// What a person's move can be taken back to: the game as it was just before
// the click that placed it, newest last.
#pragma once

#include <optional>
#include <vector>

#include "engine/board.h"
#include "engine/random_generator.h"
#include "engine/side.h"

namespace trimbol {

struct UndoPoint {
  Board board;
  std::optional<Side> toMove;
  RandomGenerator random;  // so the computer answers the next move as it did
  Cell clicked;
};

class UndoHistory {
 public:
  bool empty() const { return points_.empty(); }
  void Push(const UndoPoint& point) { points_.push_back(point); }
  // The newest point, removed; nothing when there is none.
  std::optional<UndoPoint> Pop() {
    if (points_.empty()) return std::nullopt;
    UndoPoint point = points_.back();
    points_.pop_back();
    return point;
  }
  void Clear() { points_.clear(); }

 private:
  std::vector<UndoPoint> points_;  // at most one per cell of a game
};

}  // namespace trimbol
