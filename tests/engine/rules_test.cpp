// Game state, turn order, the line check and the end of a game.
#include "engine/lines.h"
#include "test_support.h"

namespace trimbol::test {
namespace {

using EndGameTest = GameTest;
using LineCheckTest = GameTest;
using NewGameTest = GameTest;
using TurnOrderTest = GameTest;

TEST(CellIndexTest, RunsRowsWithinColumnsWithinLayers) {
  EXPECT_EQ(CellIndex(0, 0, 0), 0);
  EXPECT_EQ(CellIndex(0, 0, 2), 2);
  EXPECT_EQ(CellIndex(0, 1, 0), 3);
  EXPECT_EQ(CellIndex(1, 0, 2), 11);
  EXPECT_EQ(CellIndex(2, 2, 2), 26);
  GameState s;
  s.at({1, 2, 0}) = 3;
  EXPECT_EQ(s.board[15], 3);
  EXPECT_EQ(s.at({1, 2, 0}), 3);
}

TEST_F(TurnOrderTest, RotatesOverTheSidesInPlay) {
  const std::vector<std::pair<int, std::vector<int>>> table = {
      {4, {0, 2, 3, 4, 1}}, {3, {0, 2, 3, 1, 4}}, {2, {0, 2, 1, 3, 4}}};
  for (const auto& [count, after] : table) {
    s.sidesInPlay = count;
    for (int before = 0; before <= 4; ++before) {
      s.toMove = before == 0 ? std::nullopt : std::optional(Side(before));
      g.AdvanceTurn();
      EXPECT_EQ(Number(s.toMove), after[before]) << "count " << count << " from " << before;
    }
  }
}

TEST_F(TurnOrderTest, FollowsAPlayerCountChangedMidGame) {
  g.StartNewGame();
  s.toMove = Side(4);
  g.SetSidesInPlay(3);
  g.AdvanceTurn();
  EXPECT_EQ(s.toMove, Side(4)) << "side 4 keeps the move once the count drops to 3";
  g.SetSidesInPlay(4);
  g.AdvanceTurn();
  EXPECT_EQ(s.toMove, Side(1));
  g.SetSidesInPlay(2);
  g.AdvanceTurn();
  g.SetSidesInPlay(4);
  g.AdvanceTurn();
  EXPECT_EQ(s.toMove, Side(3)) << "raised from 2 to 4 after side 2 moved";
  g.StartNewGame();
  EXPECT_EQ(s.toMove, Side(1));
}

TEST_F(NewGameTest, ClearsTheBoardKeepsCountsAndOrdersItsEffects) {
  s.winCount = {3, 1, 0, 2};
  s.gameEnded = true;
  Put(s, {{0, 1}, {13, 2}});
  g.SetSound(1);
  g.StartNewGame();
  EXPECT_EQ(s.toMove, Side(1));
  EXPECT_EQ(Empties(s.board), 27);
  EXPECT_EQ(s.winCount, (PerSide<int>{3, 1, 0, 2}));
  EXPECT_FALSE(s.gameEnded);
  EXPECT_EQ(scenario.host().events(),
            (std::vector<std::string>{"effect Zvon.wav", "timer1 start", "draw"}));
  EXPECT_EQ(Empties(scenario.host().lastShown()), 27) << "the drawing shows the cleared board";
}

TEST_F(NewGameTest, AMissingBellIsReportedAndTheGameStillStarts) {
  Play(scenario, "sound 1\nnewgame\nmove 35 35\nclick");
  ASSERT_EQ(s.board[0], 1);
  Play(scenario, "missing Zvon.wav\nnewgame");
  EXPECT_EQ(s.toMove, Side(1));
  EXPECT_EQ(Empties(s.board), 27);
  const auto tail = std::vector<std::string>(scenario.host().events().end() - 4,
                                             scenario.host().events().end());
  EXPECT_EQ(tail, (std::vector<std::string>{"effect Zvon.wav", "error Zvon.wav", "timer1 start",
                                            "draw"}));
}

// Each 21 characters wide, centred with spaces.
const std::string kWinMessages[] = {"  Крестики победили  ", "   Нолики победили   ",
                                    "  Закорюки победили  ", "  Спиральки победили "};

TEST(EveryLineTest, WinsForTheSideToMove) {
  // All 27 lines, built from the board's own addressing rather than the table.
  std::vector<std::array<int, 3>> lines;
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      lines.push_back({CellIndex(a, 0, b), CellIndex(a, 1, b), CellIndex(a, 2, b)});  // rows
      lines.push_back({CellIndex(a, b, 0), CellIndex(a, b, 1), CellIndex(a, b, 2)});  // columns
      lines.push_back({CellIndex(0, a, b), CellIndex(1, a, b), CellIndex(2, a, b)});  // pillars
    }
  }
  for (const auto& line : lines) {
    for (int side = 1; side <= 4; ++side) {
      Scenario scenario;
      Game& g = scenario.game();
      g.SetAutoStart(0);
      g.StartNewGame();
      GameState& s = g.state();
      for (int cell : line) s.board[cell] = static_cast<PieceCode>(side);
      s.toMove = Side(side);
      g.CheckLines();
      EXPECT_EQ(s.winCount[Side(side)], 1) << "line " << line[0] << "," << line[1] << "," << line[2];
      EXPECT_EQ(Count(scenario.host().events(), "message " + kWinMessages[side - 1]), 1);
    }
  }
}

TEST_F(LineCheckTest, OnlyTheSideToMoveIsTestedAndDiagonalsNeverCount) {
  g.StartNewGame();
  Put(s, {{0, 2}, {3, 2}, {6, 2}});  // a complete row of noughts
  s.toMove = Side(1);
  g.CheckLines();
  EXPECT_FALSE(s.gameEnded) << "noughts' line is not checked on crosses' turn";
  const std::vector<std::array<int, 3>> diagonals = {
      {CellIndex(0, 0, 0), CellIndex(1, 1, 1), CellIndex(2, 2, 2)},  // through the cube
      {CellIndex(0, 0, 0), CellIndex(0, 1, 1), CellIndex(0, 2, 2)},  // within a layer
      {CellIndex(1, 2, 0), CellIndex(1, 1, 1), CellIndex(1, 0, 2)},
      {CellIndex(0, 0, 1), CellIndex(1, 1, 1), CellIndex(2, 2, 1)}};
  for (const auto& diagonal : diagonals) {
    s.ClearBoard();
    for (int cell : diagonal) s.board[cell] = 1;
    g.CheckLines();
    EXPECT_FALSE(s.gameEnded);
  }
  EXPECT_EQ(Count(scenario.host().events(), "timer1 stop"), 0);
}

TEST_F(LineCheckTest, DoesNothingWhileNoGameRuns) {
  s.board.fill(1);
  g.CheckLines();
  EXPECT_TRUE(scenario.host().events().empty());
}

TEST_F(EndGameTest, AWinStopsTheTimerThenSoundsShowsCountsAndRestarts) {
  g.SetSound(1);
  g.StartNewGame();
  scenario.host().events().clear();
  Put(s, {{0, 1}, {1, 1}, {2, 1}, {5, 2}});  // column 0 of layer 0, plus a stray nought
  g.CheckLines();
  EXPECT_EQ(scenario.host().events(),
            (std::vector<std::string>{"timer1 stop", "result ПобКрест.wav",
                                      "message   Крестики победили  ", "effect Zvon.wav",
                                      "timer1 start", "draw"}));
  EXPECT_EQ(s.winCount, (PerSide<int>{1, 0, 0, 0}));
  EXPECT_EQ(s.toMove, Side(1));
  EXPECT_TRUE(s.gameEnded) << "an automatic new game keeps the flag";
  EXPECT_EQ(Empties(s.board), 27);
}

TEST_F(EndGameTest, WithAutostartOffPlayStopsOnTheFinalPosition) {
  g.SetAutoStart(0);
  g.StartNewGame();
  Put(s, {{9, 3}, {10, 3}, {11, 3}});
  s.toMove = Side(3);
  g.CheckLines();
  EXPECT_EQ(s.toMove, std::nullopt);
  EXPECT_FALSE(s.gameEnded);
  EXPECT_EQ(s.winCount[Side(3)], 1);
  EXPECT_FALSE(scenario.host().IsTimerRunning(GameTimer::kStatus));
  EXPECT_EQ(s.board[10], 3) << "the final position stays";
  EXPECT_EQ(Count(scenario.host().events(), "result ПобЗакор.wav"), 0) << "sound is off";
}

TEST_F(EndGameTest, AFullBoardWithoutALineIsADrawCountedForNobody) {
  g.SetSound(1);
  g.SetAutoStart(0);
  g.StartNewGame();
  // A three-dimensional chequerboard: neighbours along every line differ.
  for (int layer = 0; layer < 3; ++layer) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        s.at({layer, column, row}) = static_cast<PieceCode>(1 + (layer + column + row) % 2);
      }
    }
  }
  s.toMove = Side(1);
  g.CheckLines();
  EXPECT_EQ(Count(scenario.host().events(), "result Ничья.wav"), 1);
  EXPECT_EQ(Count(scenario.host().events(), "message         НИЧЬЯ!       "), 1);
  EXPECT_EQ(s.winCount, (PerSide<int>{0, 0, 0, 0}));
}

TEST_F(EndGameTest, AMissingJingleIsReportedAndTheResultStillCounts) {
  Play(scenario, "sound 1\nmissing ПобНол.wav\nnewgame");
  scenario.host().events().clear();
  Put(s, {{18, 2}, {21, 2}, {24, 2}});
  s.toMove = Side(2);
  g.CheckLines();
  EXPECT_EQ(scenario.host().events(),
            (std::vector<std::string>{"timer1 stop", "result ПобНол.wav", "error ПобНол.wav",
                                      "message    Нолики победили   ", "effect Zvon.wav",
                                      "timer1 start", "draw"}));
  EXPECT_EQ(s.winCount[Side(2)], 1);
  EXPECT_EQ(Empties(s.board), 27);
}

}  // namespace
}  // namespace trimbol::test
