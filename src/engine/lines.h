// The 27 winning lines (rows and columns of each layer, and the pillars
// through the layers; no diagonals), in the order the computer walks
// them: for outer i and inner j, row j of layer i, column j of layer i, and
// the pillar at column i, row j.
#pragma once

#include <array>

#include "board.h"

namespace trimbol {

struct Line {
  int a, b, c;  // cell indices, in the order the pair tests read them
  friend constexpr bool operator==(const Line&, const Line&) = default;
};

constexpr std::array<Line, 27> MakeScanLines() {
  std::array<Line, 27> lines{};
  int n = 0;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      lines[n++] = {CellIndex(i, 0, j), CellIndex(i, 1, j), CellIndex(i, 2, j)};
      lines[n++] = {CellIndex(i, j, 0), CellIndex(i, j, 1), CellIndex(i, j, 2)};
      lines[n++] = {CellIndex(0, i, j), CellIndex(1, i, j), CellIndex(2, i, j)};
    }
  }
  return lines;
}

inline constexpr std::array<Line, 27> kScanLines = MakeScanLines();

}  // namespace trimbol
