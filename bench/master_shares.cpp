// master_shares [GAMES]: seeded computer-only games through the game itself,
// printing the share of games Master wins from each seat against Strong
// sides, beside what Strong wins from that seat. GAMES per seat, 10000 if
// not given; game n starts the generator at n, so every run prints the same.
#include <cstdio>
#include <cstdlib>

#include "scenario.h"

namespace trimbol {
namespace {

// The share of `games` seeded games won by `seat`, played at `strength`
// while every other side of `sides` plays strong.
double SeatShare(int sides, Side seat, Strength strength, int games) {
  Scenario scenario;
  Game& game = scenario.game();
  game.SetAutoStart(false);
  game.SetSidesInPlay(sides);
  for (const Side side : AllSides()) {
    game.SetAutoMode(side, AutoMode::kComputer);
    game.SetStrength(side, side == seat ? strength : Strength::kStrong);
  }
  int won = 0;
  for (int n = 0; n < games; ++n) {
    game.state().random = RandomGenerator(static_cast<std::uint64_t>(n));
    const int before = game.state().winCount[seat];
    game.StartNewGame();
    game.Clicked();
    won += game.state().winCount[seat] - before;
    scenario.host().events().clear();
  }
  return 100.0 * won / games;
}

}  // namespace
}  // namespace trimbol

int main(int argc, char** argv) {
  using namespace trimbol;
  const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
  if (games <= 0) {
    std::fprintf(stderr, "usage: master_shares [GAMES]\n");
    return 2;
  }
  std::printf("%d seeded games per seat; won by the seat at Master, and at Strong\n", games);
  for (int sides = 2; sides <= kSideCount; ++sides) {
    for (const Side seat : SidesInPlay(sides)) {
      const double master = SeatShare(sides, seat, Strength::kMaster, games);
      const double strong = SeatShare(sides, seat, Strength::kStrong, games);
      std::printf("%d sides, seat %d: Master %5.1f %%, Strong %5.1f %%\n", sides, seat.number(), master, strong);
      std::fflush(stdout);
    }
  }
  return 0;
}
