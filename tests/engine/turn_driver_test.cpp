// The pointer's pick zones and everything one click sets off.
#include "test_support.h"

namespace trimbol::test {
namespace {

using HalfTest = GameTest;
using KeyboardTest = GameTest;
using OnLoopTest = GameTest;
using PersonTest = GameTest;
using PickZoneTest = GameTest;

struct Hover {
  int layer, column, row;
  bool operator==(const Hover&) const = default;
};
Hover HoverOf(const GameState& s) { return {s.hover.layer, s.hover.column, s.hover.row}; }

TEST_F(PickZoneTest, MapsEveryBoundary) {
  struct Case {
    int x, y;
    Hover expected;
  };
  const Case cases[] = {
      {0, 0, {0, 0, 0}},      {59, 59, {0, 0, 0}},     {60, 60, {0, 1, 1}},
      {119, 119, {0, 1, 1}},  {120, 120, {0, 2, 2}},   {179, 179, {0, 2, 2}},
      {180, 100, {0, 2, 1}},  {230, 0, {0, 2, 0}},     {231, 0, {1, 0, 0}},
      {289, 0, {1, 0, 0}},    {290, 0, {1, 1, 0}},     {349, 0, {1, 1, 0}},
      {350, 0, {1, 2, 0}},    {409, 0, {1, 2, 0}},     {410, 0, {1, 2, 0}},
      {450, 0, {1, 2, 0}},    {451, 0, {2, 0, 0}},     {509, 0, {2, 0, 0}},
      {510, 0, {2, 1, 0}},    {569, 0, {2, 1, 0}},     {570, 0, {2, 2, 0}},
      {629, 130, {2, 2, 2}},  {630, 0, {2, 2, 0}},     {5000, 5000, {2, 2, 0}},
      {-1, -1, {2, 2, 0}},    {-59, -59, {2, 2, 0}},   {-600, 50, {2, 2, 0}},
  };
  for (const Case& c : cases) {
    g.PointerMoved(c.x, c.y);
    EXPECT_EQ(HoverOf(s), c.expected) << "at " << c.x << "," << c.y;
    EXPECT_EQ(s.lastPointerY, c.y);
  }
}

TEST_F(PersonTest, PlacesAnimatesRedrawsChecksPassesThenSounds) {
  Play(scenario, "sound 1\nnewgame\nmove 535 155\nclick");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.at({2, 1, 2}), 1);
  EXPECT_EQ(s.toMove, Side(2));
  EXPECT_EQ(s.animatedSide, Side(1));
  EXPECT_EQ(s.animationFrame, 0);
  EXPECT_EQ(From(scenario.host().events(), "anim 1"),
            (std::vector<std::string>{"anim 1", "draw", "effect hlop.wav", "draw"}));
}

TEST_F(PersonTest, NothingIsPlacedOnATakenCellOrBelowTheBoard) {
  Play(scenario, "sound 1\nnewgame\nmove 35 35\nclick");
  scenario.host().events().clear();
  Play(scenario, "click");  // noughts on the cross
  EXPECT_EQ(s.board[0], 1);
  Play(scenario, "move 95 180\nclick");  // below the board: the row stays 0
  EXPECT_EQ(s.board[3], 0);
  EXPECT_EQ(s.toMove, Side(2));
  EXPECT_EQ(scenario.host().events(), (std::vector<std::string>{"draw", "draw"}));
}

TEST_F(PersonTest, AClickWithoutAGameOnlyTakesTheCell) {
  Play(scenario, "sound 1\nmove 375 95\nclick");
  const GameState& s = scenario.game().state();
  EXPECT_EQ((Hover{s.clicked.layer, s.clicked.column, s.clicked.row}), (Hover{1, 2, 1}));
  EXPECT_EQ(Empties(s.board), 27);
  EXPECT_TRUE(scenario.host().events().empty());
}

TEST_F(PersonTest, AWinningCrossHandsTheSameCellToNoughtsInTheNewGame) {
  Play(scenario, "newgame");
  Put(s, {{0, 1}, {1, 1}});
  Play(scenario, "move 35 155\nclick");  // cell 2 completes column 0 of layer 0
  EXPECT_EQ(s.winCount[Side(1)], 1);
  EXPECT_EQ(s.board[2], 2) << "noughts, to move in the new game, placed on the clicked cell";
  EXPECT_EQ(Empties(s.board), 26);
  EXPECT_EQ(s.toMove, Side(3));
  EXPECT_EQ(s.animatedSide, Side(2));
  EXPECT_EQ(Count(scenario.host().events(), "anim 1"), 1);
  EXPECT_EQ(Count(scenario.host().events(), "anim 2"), 1);
}

TEST_F(PersonTest, AWinInATwoSideGameLeavesCrossesToMove) {
  Play(scenario, "players 2\nnewgame");
  Put(s, {{0, 1}, {1, 1}});
  Play(scenario, "move 35 155\nclick");
  EXPECT_EQ(s.board[2], 2);
  EXPECT_EQ(s.toMove, Side(1));
}

TEST_F(PersonTest, AMissingMoveSoundEndsTheRestOfTheClick) {
  Play(scenario, "sound 1\nauto 2 2\nmissing hlop.wav\nnewgame\nmove 35 35\nclick");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.board[0], 1) << "the move stands";
  EXPECT_EQ(s.toMove, Side(2)) << "and so does its turn";
  EXPECT_EQ(Empties(s.board), 26) << "the noughts did not answer";
  EXPECT_EQ(From(scenario.host().events(), "anim 1"),
            (std::vector<std::string>{"anim 1", "draw", "effect hlop.wav", "error hlop.wav"}));
}

TEST_F(HalfTest, MovesOncePerClickAndNeverAfterAPerson) {
  Play(scenario, "auto 2 1\nauto 3 1\nnewgame\nmove 35 35\nclick");
  EXPECT_EQ(Empties(s.board), 26);
  EXPECT_EQ(s.toMove, Side(2));
  Play(scenario, "move 35 500\nclick");  // anywhere on the window
  EXPECT_EQ(Empties(s.board), 25);
  EXPECT_EQ(s.board[11], 2);
  EXPECT_EQ(s.toMove, Side(3)) << "squiggles at Half wait for the next click";
  Play(scenario, "click");
  EXPECT_EQ(Empties(s.board), 24);
  EXPECT_EQ(s.toMove, Side(4));
}

TEST_F(OnLoopTest, OneClickPlaysAWholeGameThenEachSideOncePerClick) {
  Play(scenario, "fullauto\nnewgame\nclick");
  EXPECT_EQ(Count(scenario.host().events(), "timer1 stop"), 1) << "exactly one game ended";
  EXPECT_TRUE(s.gameEnded);
  for (int click = 0; click < 6; ++click) {
    const int toMove = Number(s.toMove);
    const int before = Empties(s.board);
    if (before < 8) break;  // a game end within the click would blur the count
    Play(scenario, "click");
    EXPECT_EQ(before - Empties(s.board), 5 - toMove) << "from side " << toMove << " up to 4";
  }
}

TEST_F(OnLoopTest, AGameEndedBySideOneGivesTheOthersAMoveInTheNewGame) {
  Play(scenario, "fullauto\nnewgame");
  Put(s, {{0, 1}, {1, 1}});
  Play(scenario, "click");
  EXPECT_EQ(s.winCount[Side(1)], 1);
  EXPECT_EQ(Empties(s.board), 24) << "sides 2, 3 and 4 moved once in the new game";
  EXPECT_EQ(s.toMove, Side(1));
}

TEST_F(OnLoopTest, WithAutostartOffOneClickEndsAndStopsPlay) {
  Play(scenario, "fullauto\nautostart 0\nnewgame\nclick");
  EXPECT_EQ(s.toMove, std::nullopt);
  EXPECT_FALSE(s.gameEnded);
  EXPECT_EQ(Count(scenario.host().events(), "timer1 stop"), 1);
  EXPECT_EQ(scenario.host().events().back().rfind("message ", 0), 0u) << "no redraw after the end";
}

TEST_F(OnLoopTest, ASideLeftOutsideTheCountKeepsMoving) {
  Play(scenario, "auto 4 2\nautostart 0\nnewgame\nplayers 3");
  s.toMove = Side(4);
  Play(scenario, "click");
  EXPECT_EQ(s.winCount[Side(4)], 1) << "side 4 moved until it won";
  for (PieceCode cell : s.board) EXPECT_TRUE(cell == 0 || cell == 4);

  Scenario ended;  // once a game has ended, one move per click
  GameState& e = ended.game().state();
  Play(ended, "auto 4 2\nnewgame\nplayers 3");
  e.toMove = Side(4);
  e.gameEnded = true;
  Play(ended, "click");
  EXPECT_EQ(Empties(e.board), 26);
  EXPECT_EQ(e.toMove, Side(4));
}

TEST_F(OnLoopTest, EveryComputerMoveSoundsAfterItsTurn) {
  Play(scenario, "sound 1\nauto 2 2\nauto 3 2\nauto 4 2\nnewgame\nmove 35 35\nclick");
  EXPECT_EQ(From(scenario.host().events(), "anim 1"),
            (std::vector<std::string>{"anim 1", "draw", "effect hlop.wav", "draw",
                                      "effect prut.wav", "draw", "effect hlop.wav", "draw",
                                      "effect prut.wav", "draw"}));
}

TEST_F(KeyboardTest, EnterOnACellPlaysAsAClickOverItWhereverThePointerIs) {
  const std::string setup = "sound 1\npreset1\nnewgame\n";
  Scenario mouse;
  Play(mouse, setup + "move 535 155\nclick\nclick\nclick");
  Play(scenario, setup + "move 35 500\nenter 2 1 2\nenter 2 1 2\nenter 2 1 2");
  EXPECT_EQ(s.board, mouse.game().state().board);
  EXPECT_EQ(s.board[CellIndex(2, 1, 2)], 1);
  EXPECT_EQ(s.toMove, mouse.game().state().toMove);
  EXPECT_EQ(s.random.state(), mouse.game().state().random.state());
  EXPECT_EQ(scenario.host().events(), mouse.host().events());
  EXPECT_EQ((Hover{s.clicked.layer, s.clicked.column, s.clicked.row}), (Hover{2, 1, 2}));
  EXPECT_EQ(HoverOf(s), (Hover{0, 0, 0})) << "the pointer's cell is the pointer's alone";
}

TEST_F(KeyboardTest, PlacementsAreToldWithWhoPlacedThem) {
  using P = RecordingHost::Placement;
  Play(scenario, "auto 2 1\nauto 3 2\nnewgame\nenter 0 0 0\nenter 0 0 0");
  const auto squiggle = std::find(s.board.begin(), s.board.end(), 3);
  ASSERT_NE(squiggle, s.board.end());
  EXPECT_EQ(scenario.host().placements(),
            (std::vector<P>{{{0, 0, 0}, Side(1), Placer::kPerson},
                            {{1, 0, 2}, Side(2), Placer::kComputer},  // the first random cell
                            {CellAt(int(squiggle - s.board.begin())), Side(3), Placer::kComputer}}));
}

}  // namespace
}  // namespace trimbol::test
