// The pointer's pick zones and everything one click sets off.
#include "test_support.h"

namespace trimbol::test {
namespace {

struct Hover {
  int layer, column, row;
  bool operator==(const Hover&) const = default;
};
Hover HoverOf(const GameState& s) { return {s.HoverLayer, s.HoverColumn, s.HoverRow}; }

TEST(PickZoneTest, MapsEveryBoundary) {
  Scenario scenario;
  Game& g = scenario.game();
  const GameState& s = g.state();
  struct Case {
    int x, y;
    Hover expected;
  };
  const Case cases[] = {
      {0, 0, {0, 0, 0}},      {59, 59, {0, 0, 0}},     {60, 60, {0, 1, 1}},
      {179, 179, {0, 2, 2}},  {180, 100, {0, 2, 1}},   {230, 0, {0, 2, 0}},
      {231, 0, {1, 0, 0}},    {290, 0, {1, 1, 0}},     {409, 0, {1, 2, 0}},
      {410, 0, {1, 2, 0}},    {450, 0, {1, 2, 0}},     {451, 0, {2, 0, 0}},
      {629, 130, {2, 2, 2}},  {630, 0, {2, 2, 0}},     {5000, 5000, {2, 2, 0}},
      {-1, -1, {2, 2, 0}},    {-59, -59, {2, 2, 0}},   {-600, 50, {2, 2, 0}},
  };
  for (const Case& c : cases) {
    g.FormMouseMove(c.x, c.y);
    EXPECT_EQ(HoverOf(s), c.expected) << "at " << c.x << "," << c.y;
    EXPECT_EQ(s.LastMouseY, c.y);
  }
}

TEST(PersonTest, PlacesAnimatesRedrawsChecksPassesThenSounds) {
  Scenario scenario;
  Play(scenario, "sound 1\nnewgame\nmove 535 155\nclick");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.GetCell(2, 1, 2), 1);
  EXPECT_EQ(s.CurrentPlayer, 2);
  EXPECT_EQ(s.AnimatedPiece, 1);
  EXPECT_EQ(s.AnimationFrame, 0);
  EXPECT_EQ(From(scenario.host().events(), "anim 1"),
            (std::vector<std::string>{"anim 1", "draw", "effect hlop.wav", "draw"}));
}

TEST(PersonTest, NothingIsPlacedOnATakenCellOrBelowTheBoard) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "sound 1\nnewgame\nmove 35 35\nclick");
  scenario.host().events().clear();
  Play(scenario, "click");  // noughts on the cross
  EXPECT_EQ(s.board[0], 1);
  Play(scenario, "move 95 180\nclick");  // below the board: the row stays 0
  EXPECT_EQ(s.board[3], 0);
  EXPECT_EQ(s.CurrentPlayer, 2);
  EXPECT_EQ(scenario.host().events(), (std::vector<std::string>{"draw", "draw"}));
}

TEST(PersonTest, AClickWithoutAGameOnlyTakesTheCell) {
  Scenario scenario;
  Play(scenario, "sound 1\nmove 375 95\nclick");
  const GameState& s = scenario.game().state();
  EXPECT_EQ((Hover{s.ClickedLayer, s.ClickedColumn, s.ClickedRow}), (Hover{1, 2, 1}));
  EXPECT_EQ(Empties(s.board), 27);
  EXPECT_TRUE(scenario.host().events().empty());
}

TEST(PersonTest, AWinningCrossHandsTheSameCellToNoughtsInTheNewGame) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "newgame");
  Put(s, {{0, 1}, {1, 1}});
  Play(scenario, "move 35 155\nclick");  // cell 2 completes column 0 of layer 0
  EXPECT_EQ(s.WinCount[0], 1);
  EXPECT_EQ(s.board[2], 2) << "noughts, to move in the new game, placed on the clicked cell";
  EXPECT_EQ(Empties(s.board), 26);
  EXPECT_EQ(s.CurrentPlayer, 3);
  EXPECT_EQ(s.AnimatedPiece, 2);
  EXPECT_EQ(Count(scenario.host().events(), "anim 1"), 1);
  EXPECT_EQ(Count(scenario.host().events(), "anim 2"), 1);
}

TEST(PersonTest, AWinInATwoSideGameLeavesCrossesToMove) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "players 2\nnewgame");
  Put(s, {{0, 1}, {1, 1}});
  Play(scenario, "move 35 155\nclick");
  EXPECT_EQ(s.board[2], 2);
  EXPECT_EQ(s.CurrentPlayer, 1);
}

TEST(PersonTest, AMissingMoveSoundEndsTheRestOfTheClick) {
  Scenario scenario;
  Play(scenario, "sound 1\nauto 2 2\nmissing hlop.wav\nnewgame\nmove 35 35\nclick");
  const GameState& s = scenario.game().state();
  EXPECT_EQ(s.board[0], 1) << "the move stands";
  EXPECT_EQ(s.CurrentPlayer, 2) << "and so does its turn";
  EXPECT_EQ(Empties(s.board), 26) << "the noughts did not answer";
  EXPECT_EQ(From(scenario.host().events(), "anim 1"),
            (std::vector<std::string>{"anim 1", "draw", "effect hlop.wav", "error hlop.wav"}));
}

TEST(HalfTest, MovesOncePerClickAndNeverAfterAPerson) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "auto 2 1\nauto 3 1\nnewgame\nmove 35 35\nclick");
  EXPECT_EQ(Empties(s.board), 26);
  EXPECT_EQ(s.CurrentPlayer, 2);
  Play(scenario, "move 35 500\nclick");  // anywhere on the window
  EXPECT_EQ(Empties(s.board), 25);
  EXPECT_EQ(s.board[11], 2);
  EXPECT_EQ(s.CurrentPlayer, 3) << "squiggles at Half wait for the next click";
  Play(scenario, "click");
  EXPECT_EQ(Empties(s.board), 24);
  EXPECT_EQ(s.CurrentPlayer, 4);
}

TEST(OnLoopTest, OneClickPlaysAWholeGameThenEachSideOncePerClick) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "fullauto\nnewgame\nclick");
  EXPECT_EQ(Count(scenario.host().events(), "timer1 stop"), 1) << "exactly one game ended";
  EXPECT_EQ(s.GameEndedFlag, 1);
  for (int click = 0; click < 6; ++click) {
    const int toMove = s.CurrentPlayer;
    const int before = Empties(s.board);
    if (before < 8) break;  // a game end within the click would blur the count
    Play(scenario, "click");
    EXPECT_EQ(before - Empties(s.board), 5 - toMove) << "from side " << toMove << " up to 4";
  }
}

TEST(OnLoopTest, AGameEndedBySideOneGivesTheOthersAMoveInTheNewGame) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "fullauto\nnewgame");
  Put(s, {{0, 1}, {1, 1}});
  Play(scenario, "click");
  EXPECT_EQ(s.WinCount[0], 1);
  EXPECT_EQ(Empties(s.board), 24) << "sides 2, 3 and 4 moved once in the new game";
  EXPECT_EQ(s.CurrentPlayer, 1);
}

TEST(OnLoopTest, WithAutostartOffOneClickEndsAndStopsPlay) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "fullauto\nautostart 0\nnewgame\nclick");
  EXPECT_EQ(s.CurrentPlayer, 0);
  EXPECT_EQ(s.GameEndedFlag, 0);
  EXPECT_EQ(Count(scenario.host().events(), "timer1 stop"), 1);
  EXPECT_EQ(scenario.host().events().back().rfind("message ", 0), 0u) << "no redraw after the end";
}

TEST(OnLoopTest, ASideLeftOutsideTheCountKeepsMoving) {
  Scenario scenario;
  GameState& s = scenario.game().state();
  Play(scenario, "auto 4 2\nautostart 0\nnewgame\nplayers 3");
  s.CurrentPlayer = 4;
  Play(scenario, "click");
  EXPECT_EQ(s.WinCount[3], 1) << "side 4 moved until it won";
  for (PieceCode cell : s.board) EXPECT_TRUE(cell == 0 || cell == 4);

  Scenario ended;  // once a game has ended, one move per click
  GameState& e = ended.game().state();
  Play(ended, "auto 4 2\nnewgame\nplayers 3");
  e.CurrentPlayer = 4;
  e.GameEndedFlag = 1;
  Play(ended, "click");
  EXPECT_EQ(Empties(e.board), 26);
  EXPECT_EQ(e.CurrentPlayer, 4);
}

TEST(OnLoopTest, EveryComputerMoveSoundsAfterItsTurn) {
  Scenario scenario;
  Play(scenario, "sound 1\nauto 2 2\nauto 3 2\nauto 4 2\nnewgame\nmove 35 35\nclick");
  EXPECT_EQ(From(scenario.host().events(), "anim 1"),
            (std::vector<std::string>{"anim 1", "draw", "effect hlop.wav", "draw",
                                      "effect prut.wav", "draw", "effect hlop.wav", "draw",
                                      "effect prut.wav", "draw"}));
}

}  // namespace
}  // namespace trimbol::test
