// Master: perfect two-side play, proven over every reply; the rules it
// plays by among more sides; its reasons; and the decisive move of a lost
// game.
#include <functional>

#include "engine/lines.h"
#include "engine/master_search.h"
#include "test_support.h"

namespace trimbol::test {
namespace {

using Kind = HintReason::Kind;

bool HoldsLine(const Board& board, Side side) {
  return std::ranges::any_of(kScanLines, [&](const Line& line) {
    return board[line.a] == PieceOf(side) && board[line.b] == PieceOf(side) && board[line.c] == PieceOf(side);
  });
}

Board BoardOf(std::initializer_list<std::pair<int, int>> pieces) {
  Board board{};
  for (auto [index, piece] : pieces) board[index] = static_cast<PieceCode>(piece);
  return board;
}

// Master moving first against every possible reply: each line of play ends
// with crosses holding a line, and never later than their fifth piece.
TEST(MasterTest, AsFirstSideWinsAgainstEveryReply) {
  MasterSearch master;
  int lines = 0, lost = 0, longest = 0;
  std::function<void(Board, int)> play = [&](Board board, int pieces) {
    RandomGenerator random;
    const std::optional<MasterMove> move = master.Choose(board, Side(1), 2, random);
    ASSERT_TRUE(move);
    board[CellIndex(move->cell)] = 1;
    if (HoldsLine(board, Side(1))) {
      ++lines;
      longest = std::max(longest, pieces + 1);
      return;
    }
    for (int cell = 0; cell < kCells; ++cell) {
      if (board[cell] != 0) continue;
      Board reply = board;
      reply[cell] = 2;
      if (HoldsLine(reply, Side(2)) || std::ranges::count(reply, 0) == 0) {
        ++lines;
        ++lost;
      } else {
        play(reply, pieces + 1);
      }
    }
  };
  play(Board{}, 0);
  EXPECT_EQ(lines, 1664);
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(longest, 5);
}

TEST(MasterTest, SaysWhyInTwoSideGames) {
  struct Case {
    const char* what;
    Board board;
    Side side;
    HintReason reason;
    std::optional<Cell> cell;
  };
  const Case cases[] = {
      {"a line to complete before a block", BoardOf({{0, 1}, {3, 1}, {9, 2}, {18, 2}, {1, 2}}), Side(1),
       {Kind::kComplete, Side(1), kScanLines[0], 1}, CellAt(6)},
      {"a line to block", BoardOf({{0, 1}, {9, 1}, {13, 2}}), Side(2),
       {Kind::kBlock, Side(1), kScanLines[2], 0}, CellAt(18)},
      {"the empty board is won in five moves", Board{}, Side(1), {Kind::kForcedIn, Side(1), {}, 5}, std::nullopt},
      {"after the first cross, noughts lose however long they hold out", BoardOf({{0, 1}}), Side(2),
       {Kind::kLongestDefence, Side(2), {}, 0}, std::nullopt},
      // Crosses on two opposite corners of layer 1: either other corner
      // makes two threats at once.
      {"two threats at once", BoardOf({{0, 1}, {8, 1}, {13, 2}, {23, 2}}), Side(1),
       {Kind::kFork, Side(1), {}, 2}, std::nullopt},
  };
  for (const Case& c : cases) {
    MasterSearch master;
    RandomGenerator random;
    const std::optional<MasterMove> move = master.Choose(c.board, c.side, 2, random);
    ASSERT_TRUE(move) << c.what;
    EXPECT_EQ(move->reason, c.reason) << c.what;
    if (c.cell) {
      EXPECT_EQ(move->cell, *c.cell) << c.what;
    }
  }
}

TEST(MasterTest, AmongMoreSidesBlocksTheSideNearestALineThenForks) {
  MasterSearch master;
  RandomGenerator random;
  // Noughts among three sides: squiggles move next and crosses after them.
  const Board twoThreats = BoardOf({{0, 1}, {9, 1}, {1, 3}, {4, 3}});
  std::optional<MasterMove> move = master.Choose(twoThreats, Side(2), 3, random);
  ASSERT_TRUE(move);
  EXPECT_EQ(move->cell, CellAt(7)) << "squiggles move next and would complete at 7";
  EXPECT_EQ(move->reason.kind, Kind::kBlock);
  EXPECT_EQ(move->reason.side, Side(3));

  // Nothing to block: either free corner of layer 1 makes two threats, and
  // cell 0 also keeps its pillar open, where 8's is shut.
  const Board fork = BoardOf({{2, 1}, {6, 1}, {26, 2}, {17, 3}});
  move = master.Choose(fork, Side(1), 3, random);
  ASSERT_TRUE(move);
  EXPECT_EQ(move->reason.kind, Kind::kFork);
  EXPECT_EQ(move->cell, CellAt(0));
}

TEST(MasterTest, DrawsOneNumberAMoveAndNoneOnAFullBoard) {
  MasterSearch master;
  for (int sides : {2, 3}) {
    RandomGenerator random, expected;
    expected.Next();
    ASSERT_TRUE(master.Choose(BoardOf({{13, 1}}), Side(2), sides, random));
    EXPECT_EQ(random, expected) << sides << " sides";
  }
  Board full;
  full.fill(3);
  RandomGenerator random;
  EXPECT_FALSE(master.Choose(full, Side(1), 2, random));
  EXPECT_EQ(random, RandomGenerator());
}

using MasterGameTest = GameTest;

// A game replays exactly, Master's ties broken by the game's generator.
TEST_F(MasterGameTest, PlaysThroughTheGameAndRepeatsItself) {
  auto game = [] {
    Scenario scenario;
    Play(scenario, "players 3\nfullauto\nintel 1 3\nintel 3 3\nnewgame\nclick\nclick\nclick");
    return scenario.Json();
  };
  EXPECT_EQ(game(), game());
  EXPECT_NE(game().find("\"intelligence\":[3,2,3,2]"), std::string::npos);
}

TEST_F(MasterGameTest, NamesTheMoveAfterWhichTheLoserHadNoDefence) {
  // Crosses' second piece at the far corner gives noughts a won game.
  Run("players 2\nautostart 0\nnewgame\nenter 0 0 0\nenter 1 1 1\nenter 2 2 2\nenter 1 1 0\nenter 0 0 1");
  EXPECT_FALSE(scenario.host().decisiveMoveAvailable()) << "the game runs";
  Run("enter 1 1 2");
  ASSERT_EQ(s.winCount[Side(2)], 1);
  EXPECT_TRUE(scenario.host().decisiveMoveAvailable());
  events().clear();
  Run("decisive");
  EXPECT_EQ(events(), std::vector<std::string>{"decisive 3 1 2 2 2"});

  // Master moving first leaves noughts no defence from the first move on.
  Run("auto 1 2\nintel 1 3\nnewgame\nclick");
  for (int move = 0; move < kCells && s.winCount[Side(1)] == 0; ++move) {
    const Cell empty = CellAt(static_cast<int>(std::ranges::find(s.board, 0) - s.board.begin()));
    Run("enter " + std::to_string(empty.layer) + " " + std::to_string(empty.column) + " " + std::to_string(empty.row));
  }
  ASSERT_EQ(s.winCount[Side(1)], 1);
  events().clear();
  Run("decisive");
  ASSERT_EQ(events().size(), 1U);
  EXPECT_EQ(events()[0].rfind("decisive 1 1 ", 0), 0U) << events()[0];

  Run("players 3\nnewgame\nauto 1 2\nauto 2 2\nauto 3 2\nclick");
  EXPECT_FALSE(scenario.host().decisiveMoveAvailable()) << "a three-side game teaches nothing here";
}

}  // namespace
}  // namespace trimbol::test
