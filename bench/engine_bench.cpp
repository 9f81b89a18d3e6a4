// The computer player at each strength, whole computer-only games from a
// new-game command and one click, on the recording host, and Master's
// slowest moves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/lines.h"
#include "engine/master_search.h"
#include "scenario.h"

namespace trimbol {
namespace {

// One computer move for noughts on an opening position, at the given strength.
void BM_ComputerMove(benchmark::State& bench) {
  Scenario scenario;
  Game& g = scenario.game();
  g.SetAutoStart(false);
  g.StartNewGame();
  GameState& s = g.state();
  for (int index : {0, 13, 26, 4, 20}) s.board[index] = static_cast<PieceCode>(1 + index % 3);
  s.strength[Side(2)] = static_cast<Strength>(bench.range(0));
  const GameState start = s;
  for (auto _ : bench) {
    s = start;
    s.random = RandomGenerator(start.random.state() + static_cast<std::uint64_t>(bench.iterations()));  // vary the candidates
    g.ComputerMove(Side(2));
    benchmark::DoNotOptimize(s.board);
    scenario.host().events().clear();
  }
}
BENCHMARK(BM_ComputerMove)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->ArgName("intelligence");

// "Полн.Авт" (or all four sides On at one strength), then per iteration a
// new-game command and one click, which plays the game to its end.
void BM_AllOnGame(benchmark::State& bench) {
  Scenario scenario;
  Game& g = scenario.game();
  for (const Side side : AllSides()) {
    g.SetAutoMode(side, AutoMode::kComputer);
    g.SetStrength(side, static_cast<Strength>(bench.range(0)));
  }
  for (auto _ : bench) {
    scenario.host().events().clear();
    g.StartNewGame();
    g.Clicked();
    benchmark::DoNotOptimize(g.state().board);
  }
  bench.counters["games/s"] = benchmark::Counter(static_cast<double>(bench.iterations()),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AllOnGame)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->ArgName("intelligence");

bool HoldsLine(const Board& board, PieceCode piece) {
  return std::ranges::any_of(kScanLines, [&](const Line& line) {
    return board[line.a] == piece && board[line.b] == piece && board[line.c] == piece;
  });
}

// Two-side positions to move from, with the side to move: every opening of
// up to three pieces (the first on cell 0 stands for all, the board being
// the same from every cell), seeded positions of 4 to 20 pieces, and boards
// that also hold pieces of sides that left the game.
std::vector<std::pair<Board, Side>> HardPositions() {
  std::vector<std::pair<Board, Side>> positions = {{Board{}, Side(1)}};
  for (int second = 1; second < kCells; ++second) {
    Board board{};
    board[0] = 1;
    positions.push_back({board, Side(2)});
    board[second] = 2;
    positions.push_back({board, Side(1)});
    for (int third = 1; third < kCells; ++third) {
      if (third == second) continue;
      Board three = board;
      three[third] = 1;
      positions.push_back({three, Side(2)});
    }
  }
  RandomGenerator random(2024);
  auto emptyCell = [&random](const Board& board) {
    int cell = 0;
    do cell = random.Next() % kCells;
    while (board[cell] != 0);
    return cell;
  };
  for (int n = 0; n < 3000; ++n) {
    Board board{};
    const int pieces = 4 + n % 17;
    PieceCode piece = 1;
    bool over = false;
    for (int i = 0; i < pieces && !over; ++i) {
      board[emptyCell(board)] = piece;
      over = HoldsLine(board, piece);
      piece = static_cast<PieceCode>(3 - piece);
    }
    if (!over) positions.push_back({board, Side(piece)});
  }
  for (int n = 0; n < 300; ++n) {
    Board board{};
    for (PieceCode piece : {3, 4, 1}) board[emptyCell(board)] = piece;
    positions.push_back({board, Side(2)});
  }
  return positions;
}

// Master's first move in a game from each of the hard positions, with
// nothing worked out before: the slowest and the mean, in milliseconds.
void BM_MasterSlowestMove(benchmark::State& bench) {
  const std::vector<std::pair<Board, Side>> positions = HardPositions();
  double slowest = 0, total = 0;
  for (auto _ : bench) {
    for (const auto& [board, side] : positions) {
      MasterSearch master;
      RandomGenerator random;
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(master.Choose(board, side, 2, random));
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      slowest = std::max(slowest, ms);
      total += ms;
    }
  }
  bench.counters["positions"] = static_cast<double>(positions.size());
  bench.counters["slowest_ms"] = slowest;
  bench.counters["mean_ms"] = total / static_cast<double>(positions.size() * bench.iterations());
}
BENCHMARK(BM_MasterSlowestMove)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trimbol
