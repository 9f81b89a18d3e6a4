// The computer player at each strength, and whole computer-only games from a
// new-game command and one click, on the recording host.
#include <benchmark/benchmark.h>

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
BENCHMARK(BM_ComputerMove)->Arg(0)->Arg(1)->Arg(2)->ArgName("intelligence");

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
BENCHMARK(BM_AllOnGame)->Arg(0)->Arg(1)->Arg(2)->ArgName("intelligence");

}  // namespace
}  // namespace trimbol
