// Taking moves back, hints, and games of two to four sides on the typed
// engine.
#include <optional>

#include "test_support.h"

namespace trimbol::test {
namespace {

using SidesTest = GameTest;
using UndoTest = GameTest;
using HintTest = GameTest;

std::vector<int> SidesOf(const std::vector<RecordingHost::Placement>& placements) {
  std::vector<int> sides;
  for (const auto& placement : placements) sides.push_back(placement.side.number());
  return sides;
}

TEST(SidesTest, GamesOfTwoThreeAndFourSidesCycleThroughTheirSidesAndEnd) {
  for (int count = 2; count <= kSideCount; ++count) {
    Scenario scenario;
    Play(scenario, "fullauto\nautostart 0\nplayers " + std::to_string(count) + "\nnewgame\nclick");
    const GameState& s = scenario.game().state();
    EXPECT_EQ(s.toMove, std::nullopt) << count << " sides: the click played the game to its end";
    const std::vector<int> sides = SidesOf(scenario.host().placements());
    ASSERT_FALSE(sides.empty());
    for (size_t i = 0; i < sides.size(); ++i) EXPECT_EQ(sides[i], static_cast<int>(i % count) + 1) << count;
    for (PieceCode piece : s.board) EXPECT_LE(piece, count) << "only the sides in play place";
    int wins = 0;
    for (int won : s.winCount) wins += won;
    const bool full = Empties(s.board) == 0;
    EXPECT_TRUE(wins == 1 || (wins == 0 && full)) << count << " sides: one winner or a full board";
  }
}

TEST_F(UndoTest, TakesBackAPersonsMoveWithTheComputersAnswers) {
  Run("players 3\nauto 2 2\nauto 3 2\nintel 3 2\nnewgame");
  const GameState start = s;
  EXPECT_FALSE(scenario.host().undoAvailable());
  Run("enter 0 0 0");
  EXPECT_EQ(Empties(s.board), kCells - 3) << "crosses, then noughts and squiggles answered";
  EXPECT_EQ(s.toMove, Side(1));
  EXPECT_TRUE(scenario.host().undoAvailable());
  events().clear();
  Run("undo");
  EXPECT_EQ(s.board, start.board);
  EXPECT_EQ(s.toMove, Side(1));
  EXPECT_EQ(s.random, start.random);
  EXPECT_EQ(s.clicked, start.clicked);
  EXPECT_EQ(events(), std::vector<std::string>{"draw"});
  EXPECT_EQ(scenario.host().lastShown(), start.board);
  EXPECT_FALSE(scenario.host().undoAvailable()) << "nothing left to take back";
}

TEST_F(UndoTest, AMoveAfterUndoGetsTheSameAnswers) {
  Run("players 3\nauto 2 2\nauto 3 2\nintel 2 1\nnewgame\nenter 1 1 1\nenter 2 0 1");
  const std::vector<RecordingHost::Placement> first(scenario.host().placements().end() - 3,
                                                    scenario.host().placements().end());
  const GameState after = s;
  Run("undo\nenter 2 0 1");
  const std::vector<RecordingHost::Placement> again(scenario.host().placements().end() - 3,
                                                    scenario.host().placements().end());
  EXPECT_EQ(again, first);
  EXPECT_EQ(s.board, after.board);
  EXPECT_EQ(s.random, after.random);
}

TEST_F(UndoTest, RepeatedUndoGoesBackToTheStartAndNoFurther) {
  Run("players 2\nauto 2 1\nnewgame");
  const GameState start = s;
  Run("enter 0 0 0\nclick\nenter 1 0 0\nclick\nenter 2 2 2");  // a half side moves at the clicks
  EXPECT_EQ(Empties(s.board), kCells - 5);
  Run("undo");
  EXPECT_EQ(Empties(s.board), kCells - 4) << "the last person's move had no answer yet";
  EXPECT_EQ(s.toMove, Side(1));
  Run("undo\nundo");
  EXPECT_EQ(s.board, start.board);
  EXPECT_EQ(s.random, start.random);
  EXPECT_FALSE(scenario.host().undoAvailable());
  events().clear();
  Run("undo");
  EXPECT_TRUE(events().empty()) << "at the start there is nothing to take back";
  EXPECT_EQ(s.board, start.board);
}

TEST_F(UndoTest, DoesNothingAfterAResultOrWithoutAGame) {
  Run("undo");
  EXPECT_TRUE(events().empty()) << "no game";
  // Crosses take the top row of the left layer; noughts play elsewhere.
  Run("players 2\nautostart 0\nnewgame\nenter 0 0 0\nenter 2 2 2\nenter 0 1 0\nenter 2 2 1");
  EXPECT_TRUE(scenario.host().undoAvailable());
  Run("enter 0 2 0");
  ASSERT_EQ(s.winCount[Side(1)], 1);
  EXPECT_FALSE(scenario.host().undoAvailable());
  const GameState ended = s;
  events().clear();
  Run("undo");
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(s.board, ended.board);
  EXPECT_EQ(s.toMove, std::nullopt);

  Run("autostart 1\nnewgame\nenter 0 0 0\nenter 2 2 2\nenter 0 1 0\nenter 2 2 1\nenter 0 2 0");
  ASSERT_EQ(s.winCount[Side(1)], 2);
  // The winning click goes on into the game started by itself: noughts,
  // to move there, place on the same cell. That move can be taken back,
  // the finished game cannot.
  ASSERT_EQ(Empties(s.board), kCells - 1);
  Run("undo");
  EXPECT_EQ(Empties(s.board), kCells);
  EXPECT_EQ(s.toMove, Side(2));
  events().clear();
  Run("undo");
  EXPECT_TRUE(events().empty());
  EXPECT_EQ(Empties(s.board), kCells);
  EXPECT_EQ(s.winCount[Side(1)], 2);
}

TEST_F(UndoTest, KeepsSettingsScoresAndTheEndedFlag) {
  Run("newgame\nenter 0 0 0\nsound 1\nauto 3 2\nintel 4 1\nplayers 3");
  s.winCount[Side(2)] = 5;
  s.gameEnded = true;
  const GameState before = s;
  Run("undo");
  EXPECT_EQ(s.autoMode, before.autoMode);
  EXPECT_EQ(s.strength, before.strength);
  EXPECT_EQ(s.sidesInPlay, 3);
  EXPECT_TRUE(s.soundOn);
  EXPECT_EQ(s.winCount, before.winCount);
  EXPECT_TRUE(s.gameEnded);
  EXPECT_EQ(Empties(s.board), kCells);
}

TEST_F(UndoTest, StopsARunningAnimation) {
  Run("newgame\nenter 1 1 1\ntick3\ntick3");
  ASSERT_TRUE(scenario.host().IsTimerRunning(GameTimer::kAnimation));
  Run("undo");
  EXPECT_FALSE(scenario.host().IsTimerRunning(GameTimer::kAnimation));
  EXPECT_EQ(events().back(), "draw") << "the board is drawn without the piece";
  events().clear();
  Run("tick3");
  EXPECT_TRUE(events().empty()) << "no frame of the taken-back piece";
}

TEST_F(HintTest, ShowsMastersChoiceAndWhyAndChangesNothing) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> pieces;
    std::string event;
    HintReason::Kind kind;
  };
  const Case cases[] = {
      {"a line to complete", {{0, 1}, {3, 1}, {CellIndex(2, 2, 0), 2}, {CellIndex(2, 2, 1), 2}}, "hint 0 2 0",
       HintReason::Kind::kComplete},
      {"a line to block", {{CellIndex(2, 0, 0), 2}, {CellIndex(2, 1, 0), 2}, {26, 1}}, "hint 2 2 0",
       HintReason::Kind::kBlock},
      {"the empty board", {}, "", HintReason::Kind::kForcedIn},
  };
  for (const Case& c : cases) {
    Scenario scenario;
    Play(scenario, "players 2\nnewgame");
    GameState& state = scenario.game().state();
    for (auto [index, piece] : c.pieces) state.board[index] = static_cast<PieceCode>(piece);
    const GameState before = state;
    scenario.host().events().clear();
    Play(scenario, "hint");
    ASSERT_EQ(scenario.host().events().size(), 1U) << c.what;
    if (!c.event.empty()) {
      EXPECT_EQ(scenario.host().events()[0], c.event) << c.what;
    }
    ASSERT_EQ(scenario.host().hintReasons().size(), 1U);
    EXPECT_EQ(scenario.host().hintReasons()[0].kind, c.kind) << c.what;
    EXPECT_EQ(state.board, before.board);
    EXPECT_EQ(state.random, before.random);
    EXPECT_EQ(state.toMove, before.toMove);
  }
}

TEST_F(HintTest, LeavesTheNextComputerMoveAsItWouldHaveBeen) {
  auto play = [](const std::string& hint) {
    Scenario scenario;
    Play(scenario, "auto 2 2\nintel 2 0\nnewgame\nenter 1 1 1\n" + hint + "enter 0 0 2\n" + hint + "enter 2 1 0");
    return std::pair(scenario.host().placements(), scenario.game().state().random);
  };
  EXPECT_EQ(play("hint\n"), play(""));
}

TEST_F(HintTest, NeedsAPersonToMove) {
  Run("hint");
  EXPECT_TRUE(events().empty()) << "no game";
  Run("auto 1 1\nnewgame");
  events().clear();
  Run("hint");
  EXPECT_TRUE(events().empty()) << "the computer is to move";
}

}  // namespace
}  // namespace trimbol::test
