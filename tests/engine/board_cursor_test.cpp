// The keyboard cursor's moves over the three layers.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "engine/board_cursor.h"

namespace trimbol::test {
namespace {

using S = CursorStep;

TEST(BoardCursor, ArrowsCrossLayersSideBySideAndStopAtTheOuterEdges) {
  struct Case {
    Cell from;
    CursorStep step;
    Cell to;
  };
  const Case cases[] = {
      {{0, 2, 1}, S::kRight, {1, 0, 1}},  // into the next layer, same row
      {{1, 0, 1}, S::kLeft, {0, 2, 1}},
      {{1, 2, 0}, S::kRight, {2, 0, 0}},
      {{2, 2, 2}, S::kRight, {2, 2, 2}},  // the board's right edge
      {{0, 0, 1}, S::kLeft, {0, 0, 1}},   // and its left edge
      {{1, 1, 0}, S::kUp, {1, 1, 0}},
      {{1, 1, 2}, S::kDown, {1, 1, 2}},
      {{1, 1, 1}, S::kUp, {1, 1, 0}},
      {{1, 1, 1}, S::kDown, {1, 1, 2}},
      {{1, 2, 1}, S::kNextLayer, {2, 2, 1}},
      {{1, 2, 1}, S::kPreviousLayer, {0, 2, 1}},
      {{2, 0, 0}, S::kNextLayer, {2, 0, 0}},
      {{0, 0, 0}, S::kPreviousLayer, {0, 0, 0}},
      {{2, 1, 2}, S::kLayerFirst, {2, 0, 0}},
      {{0, 1, 0}, S::kLayerLast, {0, 2, 2}},
  };
  for (const Case& c : cases) {
    const Cell to = MoveCursor(c.from, c.step);
    EXPECT_EQ(to, c.to) << "from " << CellIndex(c.from) << " by step " << static_cast<int>(c.step)
                        << " reached " << CellIndex(to);
  }
}

TEST(BoardCursor, EveryCellIsReachableFromEveryOther) {
  for (int start = 0; start < kCells; ++start) {
    std::set<int> seen{start};
    std::deque<Cell> open{CellAt(start)};
    while (!open.empty()) {
      const Cell cell = open.front();
      open.pop_front();
      for (CursorStep step : {S::kUp, S::kDown, S::kLeft, S::kRight}) {
        const Cell next = MoveCursor(cell, step);
        ASSERT_GE(CellIndex(next), 0);
        ASSERT_LT(CellIndex(next), kCells);
        if (seen.insert(CellIndex(next)).second) open.push_back(next);
      }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kCells)) << "from cell " << start << " by the arrows alone";
  }
}

}  // namespace
}  // namespace trimbol::test
