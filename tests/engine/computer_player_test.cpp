// The random generator and the computer player's choice of a cell.
#include "engine/computer_choice.h"
#include "test_support.h"

namespace trimbol::test {
namespace {

using RandomTest = GameTest;

TEST_F(RandomTest, GivesTheFixedSequenceFromStartUp) {
  EXPECT_EQ(s.random.Next(), 1410184549);
  EXPECT_EQ(s.random.Next(), 672584604);
  EXPECT_EQ(s.random.Next(), 1915668986);
}

// A game at "newgame" with the given side to move and strength.
struct Fixture {
  Scenario scenario;
  Game& g = scenario.game();
  GameState& s = g.state();
  Fixture(int side, int level) {
    g.SetAutoStart(0);  // keep the final position on the board
    g.StartNewGame();
    s.toMove = Side(side);
    s.strength[Side(side)] = static_cast<Strength>(level);
    scenario.host().events().clear();
  }
  // The cells that changed from empty, after one move.
  std::vector<int> Move(int side) {
    const Board before = s.board;
    g.ComputerMove(Side(side));
    std::vector<int> placed;
    for (int i = 0; i < kCells; ++i) {
      if (before[i] != s.board[i]) placed.push_back(i);
    }
    return placed;
  }
};

TEST(ComputerPlayerTest, FirstMoveOfEveryStrengthTakesCellEleven) {
  for (int level = 0; level <= 2; ++level) {
    Fixture f(2, level);
    EXPECT_EQ(f.Move(2), std::vector<int>{11}) << "level " << level;
    EXPECT_EQ(f.s.toMove, Side(3)) << "the move passes the turn";
    EXPECT_EQ(f.scenario.host().events(), std::vector<std::string>{"draw"});
  }
}

TEST(ComputerPlayerTest, RepeatsTheSameMovesInEveryRun) {
  auto game = [] {
    Scenario scenario;
    Play(scenario, "fullauto\nintel 1 0\nintel 3 1\nnewgame\nclick\nclick\nclick");
    return scenario.Json();
  };
  EXPECT_EQ(game(), game());
}

TEST(ComputerPlayerTest, WeakCompletesItsOwnLineButDoesNotBlock) {
  Fixture f(2, 1);
  Put(f.s, {{0, 1}, {3, 1}});                      // crosses threaten cell 6
  Put(f.s, {{CellIndex(2, 2, 0), 2}, {CellIndex(2, 2, 2), 2}});  // noughts' column gap
  EXPECT_EQ(f.Move(2), std::vector<int>{CellIndex(2, 2, 1)});
  EXPECT_EQ(f.s.winCount[Side(2)], 1);

  Fixture open(2, 1);
  Put(open.s, {{0, 1}, {3, 1}});
  EXPECT_EQ(open.Move(2), std::vector<int>{11}) << "the random candidate, not the block";
}

TEST(ComputerPlayerTest, StrongWinsBeforeItBlocks) {
  Fixture f(3, 2);
  Put(f.s, {{0, 1}, {9, 1}});                     // crosses threaten cell 18
  Put(f.s, {{CellIndex(1, 2, 0), 3}, {CellIndex(1, 2, 1), 3}});
  EXPECT_EQ(f.Move(3), std::vector<int>{CellIndex(1, 2, 2)});
}

TEST(ComputerPlayerTest, StrongBlocksTheFirstPairInTheWalk) {
  Fixture f(4, 2);
  Put(f.s, {{1, 2}, {4, 2}});   // row 1 of layer 0, open at cell 7: step (0, 1)
  Put(f.s, {{0, 1}, {9, 1}});   // pillar at column 0, row 0, open at 18: step (0, 0)
  EXPECT_EQ(f.Move(4), std::vector<int>{18});

  Fixture step(4, 2);
  Put(step.s, {{0, 1}, {3, 1}, {1, 1}});  // row 0 of layer 0 open at 6, column 0 open at 2: one step
  EXPECT_EQ(step.Move(4), std::vector<int>{6}) << "within a step, the row before the column";
}

TEST(ComputerPlayerTest, ABlockedLineOffersNothing) {
  Fixture f(2, 2);
  Put(f.s, {{0, 1}, {3, 1}, {6, 3}});  // two crosses and a squiggle
  EXPECT_EQ(f.Move(2), std::vector<int>{11});
}

TEST(ComputerPlayerTest, ReachesTheLastEmptyCellByChance) {
  Fixture f(1, 0);
  for (int i = 0; i < kCells; ++i) f.s.board[i] = static_cast<PieceCode>(2 + i % 3);
  f.s.board[CellIndex(2, 1, 0)] = 0;
  EXPECT_EQ(f.Move(1), std::vector<int>{CellIndex(2, 1, 0)});
  EXPECT_EQ(Count(f.scenario.host().events(), "message         НИЧЬЯ!       "), 1);
}

TEST(ComputerChoiceTest, DrawsThreeNumbersPerAttemptAndReadsNothingElse) {
  Board board{};
  board[0] = board[3] = 2;  // noughts complete at cell 6 in the first attempt
  RandomGenerator random, expected;
  for (int i = 0; i < 3; ++i) expected.Next();
  const Board before = board;
  EXPECT_EQ(ChooseCell(board, Side(2), Strength::kWeak, random), CellAt(6));
  EXPECT_EQ(random, expected) << "one attempt: three draws";
  EXPECT_EQ(board, before);

  // At random, attempts repeat on taken cells: the first draws give cell 11.
  board = {};
  board[11] = 1;
  random = expected = RandomGenerator();
  const std::optional<Cell> cell = ChooseCell(board, Side(2), Strength::kNone, random);
  ASSERT_TRUE(cell);
  EXPECT_NE(*cell, CellAt(11));
  EXPECT_EQ(board[CellIndex(*cell)], 0);
  int draws = 0;
  while (!(expected == random)) {
    expected.Next();
    ASSERT_LT(++draws, 3000);
  }
  EXPECT_EQ(draws % 3, 0) << "whole attempts only";
  EXPECT_GE(draws, 6) << "cell 11 was drawn first and passed over";
}

TEST(ComputerPlayerTest, AFullBoardReturnsWithoutAMove) {
  Fixture f(1, 2);
  f.s.board.fill(2);
  const auto randomBefore = f.s.random.state();
  EXPECT_FALSE(f.g.ComputerMove(Side(1)));
  EXPECT_EQ(f.s.toMove, Side(1));
  EXPECT_EQ(f.s.random.state(), randomBefore);
  EXPECT_TRUE(f.scenario.host().events().empty());
}

}  // namespace
}  // namespace trimbol::test
