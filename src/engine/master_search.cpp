// Master's rules, strongest first: complete a line of its own; block a line
// an opponent would complete; then, between two sides, search every move to
// the end of the game; among more sides, make the most threats at once.
#include "engine/master_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace trimbol {

namespace {

using Cells = std::uint32_t;
constexpr Cells kAllCells = (Cells{1} << kCells) - 1;
constexpr Cells Bit(int index) { return Cells{1} << index; }
constexpr Cells CellsOf(const Line& line) { return Bit(line.a) | Bit(line.b) | Bit(line.c); }
constexpr int kWin = 100;  // a line at the n-th ply from now scores kWin - n

constexpr std::array<Cells, 27> MakeLineCells() {
  std::array<Cells, 27> cells{};
  for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = CellsOf(kScanLines[i]);
  return cells;
}
constexpr std::array<Cells, 27> kLineCells = MakeLineCells();

// The three lines through each cell.
constexpr std::array<std::array<Cells, 3>, kCells> MakeLinesThrough() {
  std::array<std::array<Cells, 3>, kCells> through{};
  std::array<int, kCells> found{};
  for (Cells line : kLineCells) {
    for (int cell = 0; cell < kCells; ++cell) {
      if (line & Bit(cell)) through[cell][found[cell]++] = line;
    }
  }
  return through;
}
constexpr std::array<std::array<Cells, 3>, kCells> kLinesThrough = MakeLinesThrough();

Cells PiecesOf(const Board& board, Side side) {
  Cells cells = 0;
  for (int i = 0; i < kCells; ++i) {
    if (board[i] == PieceOf(side)) cells |= Bit(i);
  }
  return cells;
}

Cells Occupied(const Board& board) {
  Cells cells = 0;
  for (int i = 0; i < kCells; ++i) {
    if (board[i] != 0) cells |= Bit(i);
  }
  return cells;
}

// The cells that complete a line of `own`: a line holding two of its pieces
// and an empty third cell.
Cells Threats(Cells own, Cells occupied) {
  Cells threats = 0;
  for (Cells line : kLineCells) {
    if (std::popcount(line & own) == 2 && (line & occupied & ~own) == 0) threats |= line & ~own;
  }
  return threats;
}

// The lines through `cell` that a piece of `own` there would make a threat
// of, and those still open to `own` at all.
int ThreatsMade(int cell, Cells own, Cells occupied) {
  int made = 0;
  for (Cells line : kLinesThrough[cell]) made += std::popcount(line & own) == 1 && (line & occupied & ~own) == 0;
  return made;
}
int OpenLines(int cell, Cells own, Cells occupied) {
  int open = 0;
  for (Cells line : kLinesThrough[cell]) open += (line & occupied & ~own) == 0;
  return open;
}

// The line through `cell` that `own` completes there.
Line LineCompleted(int cell, Cells own) {
  for (std::size_t i = 0; i < kLineCells.size(); ++i) {
    if ((kLineCells[i] & Bit(cell)) && std::popcount(kLineCells[i] & own) == 2) return kScanLines[i];
  }
  return {};
}

std::vector<int> CellList(Cells cells) {
  std::vector<int> list;
  for (; cells != 0; cells &= cells - 1) list.push_back(std::countr_zero(cells));
  return list;
}

// The cells of `cells` that score highest.
template <typename Rate>
std::vector<int> Best(Cells cells, Rate rate) {
  std::vector<int> best;
  int top = 0;
  for (int cell : CellList(cells)) {
    const int value = rate(cell);
    if (best.empty() || value > top) {
      best.assign(1, cell);
      top = value;
    } else if (value == top) {
      best.push_back(cell);
    }
  }
  return best;
}

}  // namespace

std::optional<MasterMove> MasterSearch::Choose(const Board& board, Side side, int sidesInPlay,
                                               RandomGenerator& random) {
  if (Occupied(board) == kAllCells) return std::nullopt;
  if (sidesInPlay == 2 && side.number() <= 2) return ChooseTwoSides(board, side, side.NextOf(2), random);
  return ChooseMoreSides(board, side, sidesInPlay, random);
}

Outcome MasterSearch::Solve(const Board& board, Side toMove, Side other) {
  const Cells own = PiecesOf(board, toMove), theirs = PiecesOf(board, other);
  UseBlocked(Occupied(board) & ~own & ~theirs);
  const int score = Score(own, theirs, -kWin, kWin);
  return score > 0 ? Outcome::kWin : score < 0 ? Outcome::kLoss : Outcome::kDraw;
}

void MasterSearch::UseBlocked(Cells blocked) {
  // What is known holds for one set of blocked cells.
  if (blocked == blocked_) return;
  blocked_ = blocked;
  known_.clear();
}

std::optional<MasterMove> MasterSearch::ChooseTwoSides(const Board& board, Side side, Side other,
                                                       RandomGenerator& random) {
  const Cells own = PiecesOf(board, side), theirs = PiecesOf(board, other);
  const Cells occupied = Occupied(board), empty = kAllCells & ~occupied;
  UseBlocked(occupied & ~own & ~theirs);
  const int draw = random.Next();
  auto pick = [draw](const std::vector<int>& cells) { return cells[static_cast<std::size_t>(draw) % cells.size()]; };

  if (const Cells wins = Threats(own, occupied)) {
    const int cell = pick(CellList(wins));
    return MasterMove{CellAt(cell), {HintReason::Kind::kComplete, side, LineCompleted(cell, own), 1}};
  }
  if (const Cells danger = Threats(theirs, occupied)) {
    // Two threats cannot both be blocked; blocking one still holds out longest.
    const int cell = pick(CellList(danger));
    return MasterMove{CellAt(cell), {HintReason::Kind::kBlock, other, LineCompleted(cell, theirs), 0}};
  }
  // Each move is searched only as far as it takes to show that it is worse
  // than the best so far; the best ones get their exact score.
  std::array<int, kCells> scores{};
  int best = -kWin;
  for (int cell : CellList(empty)) {
    const int reply = Score(theirs, own | Bit(cell), -kWin - 1, -best + 2);
    scores[cell] = -reply + (reply > 0) - (reply < 0);
    best = std::max(best, scores[cell]);
  }
  const int cell = pick(Best(empty, [&scores](int c) { return scores[c]; }));
  const int score = scores[cell];
  HintReason reason{HintReason::Kind::kNoForcedLoss, side, {}, 0};
  if (score < 0) reason.kind = HintReason::Kind::kLongestDefence;
  if (score > 0) {
    reason.kind = HintReason::Kind::kForcedIn;
    reason.moves = (kWin - score + 1) / 2;
    if (std::popcount(Threats(own | Bit(cell), occupied | Bit(cell))) >= 2) reason.kind = HintReason::Kind::kFork;
  }
  return MasterMove{CellAt(cell), reason};
}

int MasterSearch::Score(Cells own, Cells theirs, int alpha, int beta) {
  const Cells occupied = own | theirs | blocked_;
  const Cells empty = kAllCells & ~occupied;
  if (empty == 0) return 0;
  if (Threats(own, occupied) != 0) return kWin - 1;
  const Cells danger = Threats(theirs, occupied);
  if (std::popcount(danger) >= 2) return -(kWin - 2);

  // Without a line to complete now, the mover completes one at its third
  // ply at the soonest (two threats, one blocked), and the opponent at its
  // second ply from now at the soonest.
  beta = std::min(beta, kWin - 3);
  alpha = std::max(alpha, -(kWin - 4));
  if (alpha >= beta) return alpha;

  const std::uint64_t key = own | std::uint64_t{theirs} << kCells;
  if (const auto found = known_.find(key); found != known_.end()) {
    const Known known = found->second;
    if (known.bound == 0) return known.score;
    if (known.bound > 0) alpha = std::max(alpha, int{known.score});
    if (known.bound < 0) beta = std::min(beta, int{known.score});
    if (alpha >= beta) return known.score;
  }
  const int alphaIn = alpha;

  // A threat must be blocked; otherwise the moves that make threats of
  // their own come first, as they leave the opponent one answer.
  std::array<std::pair<int, int>, kCells> moves{};
  int count = 0;
  for (int cell : CellList(danger != 0 ? danger : empty)) {
    moves[count++] = {-(4 * ThreatsMade(cell, own, occupied) + OpenLines(cell, own, occupied)), cell};
  }
  std::sort(moves.begin(), moves.begin() + count);

  int best = -kWin;
  for (int i = 0; i < count; ++i) {
    const int reply = Score(theirs, own | Bit(moves[i].second), -beta - 1, -alpha + 1);
    const int score = -reply + (reply > 0) - (reply < 0);
    best = std::max(best, score);
    alpha = std::max(alpha, score);
    if (alpha >= beta) break;
  }
  const std::int8_t bound = best <= alphaIn ? -1 : best >= beta ? 1 : 0;
  known_[key] = {static_cast<std::int8_t>(best), bound};
  return best;
}

std::optional<MasterMove> MasterSearch::ChooseMoreSides(const Board& board, Side side, int sidesInPlay,
                                                        RandomGenerator& random) {
  const Cells own = PiecesOf(board, side);
  const Cells occupied = Occupied(board), empty = kAllCells & ~occupied;
  const int draw = random.Next();
  auto pick = [draw](const std::vector<int>& cells) { return cells[static_cast<std::size_t>(draw) % cells.size()]; };

  if (const Cells wins = Threats(own, occupied)) {
    const int cell = pick(CellList(wins));
    return MasterMove{CellAt(cell), {HintReason::Kind::kComplete, side, LineCompleted(cell, own), 1}};
  }
  // The side that moves soonest completes first.
  const int count = std::clamp(sidesInPlay, 2, kSideCount);
  for (int step = 1; step < kSideCount; ++step) {
    const Side other((side.number() - 1 + step) % kSideCount + 1);
    if (other.number() > count) continue;  // a side beyond the count takes no turn
    const Cells theirs = PiecesOf(board, other);
    if (const Cells danger = Threats(theirs, occupied)) {
      const int cell = pick(Best(danger, [&](int c) { return ThreatsMade(c, own, occupied); }));
      return MasterMove{CellAt(cell), {HintReason::Kind::kBlock, other, LineCompleted(cell, theirs), 0}};
    }
  }
  const std::vector<int> cells = Best(empty, [&](int c) {
    return 4 * ThreatsMade(c, own, occupied) + OpenLines(c, own, occupied);
  });
  const int cell = pick(cells);
  const int made = ThreatsMade(cell, own, occupied);
  return MasterMove{CellAt(cell), {made >= 2 ? HintReason::Kind::kFork : HintReason::Kind::kBuild, side, {}, 0}};
}

}  // namespace trimbol
