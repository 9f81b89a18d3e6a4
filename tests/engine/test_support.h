// Helpers shared by the engine tests: a game on a recording host, driven by
// the same action lines as the scenario runner.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "scenario.h"

namespace trimbol::test {

// Applies each line of script to the scenario.
inline void Play(Scenario& scenario, const std::string& script) {
  size_t start = 0;
  int number = 0;
  while (start <= script.size()) {
    size_t end = script.find('\n', start);
    if (end == std::string::npos) end = script.size();
    scenario.Apply(std::string_view(script).substr(start, end - start), ++number);
    start = end + 1;
  }
}

// A game on a recording host, driven as the scenario runner drives it.
class GameTest : public ::testing::Test {
 protected:
  void Run(const std::string& script) { Play(scenario, script); }
  std::vector<std::string>& events() { return scenario.host().events(); }

  Scenario scenario;
  Game& g = scenario.game();
  GameState& s = g.state();
};

// Places the given pieces by cell index without touching anything else.
inline void Put(GameState& state, std::initializer_list<std::pair<int, int>> cells) {
  for (auto [index, piece] : cells) state.board[index] = static_cast<PieceCode>(piece);
}

inline int Count(const std::vector<std::string>& events, const std::string& event) {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

// The events from the first one equal to `from` on; empty when none is.
inline std::vector<std::string> From(const std::vector<std::string>& events,
                                     const std::string& from) {
  auto it = std::find(events.begin(), events.end(), from);
  return {it, events.end()};
}

// The side's number, 0 for none: how the scenario report writes it.
inline int Number(std::optional<Side> side) { return side ? side->number() : 0; }

// The settings by their numbers, as the scenario report writes them.
template <typename Enum>
std::array<int, kSideCount> Numbers(const PerSide<Enum>& values) {
  std::array<int, kSideCount> numbers{};
  for (Side side : AllSides()) numbers[side.index()] = static_cast<int>(values[side]);
  return numbers;
}

inline int Empties(const Board& board) {
  return static_cast<int>(std::count(board.begin(), board.end(), 0));
}

// Pointer position over the centre of a cell.
inline std::string MoveTo(int layer, int column, int row) {
  return "move " + std::to_string(10 + 220 * layer + 60 * column + 25) + " " +
         std::to_string(10 + 60 * row + 25);
}

}  // namespace trimbol::test
