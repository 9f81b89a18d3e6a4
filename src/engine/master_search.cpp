// Master's rules, strongest first: complete a line of its own; block a line
// an opponent would complete; then, between two sides, search every move to
// the end of the game; among more sides, make the most threats at once.
#include "engine/master_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engine/lines.h"

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

// The board looks the same after swapping its three axes in any order and
// the three places along each axis in any order: 6 * 6 * 6 * 6 ways, each a
// relabelling of the cells that carries lines onto lines.
constexpr int kSymmetries = 1296;
using Relabelling = std::array<std::uint8_t, kCells>;

constexpr std::array<Relabelling, kSymmetries> MakeSymmetries() {
  constexpr int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  std::array<Relabelling, kSymmetries> symmetries{};
  int n = 0;
  for (const auto& axes : kOrders) {
    for (const auto& first : kOrders) {
      for (const auto& second : kOrders) {
        for (const auto& third : kOrders) {
          const int* places[3] = {first, second, third};
          for (int cell = 0; cell < kCells; ++cell) {
            const int at[3] = {cell / 9, cell / 3 % 3, cell % 3};
            int to = 0;
            for (int axis = 0; axis < 3; ++axis) to = to * 3 + places[axis][at[axes[axis]]];
            symmetries[n][cell] = static_cast<std::uint8_t>(to);
          }
          ++n;
        }
      }
    }
  }
  return symmetries;
}
constexpr std::array<Relabelling, kSymmetries> kSymmetryTable = MakeSymmetries();

Cells Relabel(Cells cells, const Relabelling& relabelling) {
  Cells to = 0;
  for (; cells != 0; cells &= cells - 1) to |= Bit(relabelling[std::countr_zero(cells)]);
  return to;
}

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

// How much a piece of `own` on `cell` promises: threats first, then lines.
int Promise(int cell, Cells own, Cells occupied) {
  return 4 * ThreatsMade(cell, own, occupied) + OpenLines(cell, own, occupied);
}

bool HasOpenLine(Cells own, Cells occupied) {
  return std::ranges::any_of(kLineCells, [&](Cells line) { return (line & occupied & ~own) == 0; });
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
  const Cells occupied = Occupied(board), empty = kAllCells & ~occupied;
  if (empty == 0) return std::nullopt;
  const Cells own = PiecesOf(board, side);
  const int draw = random.Next();
  auto pick = [draw](const std::vector<int>& cells) { return cells[static_cast<std::size_t>(draw) % cells.size()]; };

  if (const Cells wins = Threats(own, occupied)) {
    const int cell = pick(CellList(wins));
    return MasterMove{CellAt(cell), {HintReason::Kind::kComplete, side, LineCompleted(cell, own), 1}};
  }
  // The side that moves soonest would complete first. Of two threats of one
  // side only one can be blocked; the block that makes a threat of its own
  // comes first.
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
  if (count == 2 && side.number() <= 2) {
    if (std::optional<MasterMove> searched = Search(board, side, side.NextOf(2), draw)) return searched;
  }
  // Among more sides, or where the search would take too long: the most
  // threats at once, then the most lines still open.
  const int cell = pick(Best(empty, [&](int c) { return Promise(c, own, occupied); }));
  const bool fork = ThreatsMade(cell, own, occupied) >= 2;
  return MasterMove{CellAt(cell), {fork ? HintReason::Kind::kFork : HintReason::Kind::kBuild, side, {}, 0}};
}

std::optional<Outcome> MasterSearch::Solve(const Board& board, Side toMove, Side other) {
  const Cells own = PiecesOf(board, toMove), theirs = PiecesOf(board, other);
  UseBlocked(Occupied(board) & ~own & ~theirs);
  nodes_ = 0;
  // Only who wins counts here, not how soon.
  const int score = Score(own, theirs, -1, 1);
  if (nodes_ > kNodeBudget) return std::nullopt;
  return score > 0 ? Outcome::kWin : score < 0 ? Outcome::kLoss : Outcome::kDraw;
}

void MasterSearch::UseBlocked(Cells blocked) {
  // What is known holds for one set of blocked cells.
  if (blocked == blocked_ && !symmetries_.empty()) return;
  blocked_ = blocked;
  std::fill(known_.begin(), known_.end(), Known{});
  symmetries_.clear();
  for (int i = 0; i < kSymmetries; ++i) {
    if (Relabel(blocked, kSymmetryTable[i]) == blocked) symmetries_.push_back(i);
  }
}

std::uint64_t MasterSearch::MirrorKey(Cells own, Cells theirs) const {
  std::uint64_t least = PlainKey(own, theirs);
  for (int i : symmetries_) least = std::min(least, PlainKey(Relabel(own, kSymmetryTable[i]), Relabel(theirs, kSymmetryTable[i])));
  return least;
}

std::optional<MasterMove> MasterSearch::Search(const Board& board, Side side, Side other, int draw) {
  const Cells own = PiecesOf(board, side), theirs = PiecesOf(board, other);
  const Cells occupied = Occupied(board), empty = kAllCells & ~occupied;
  UseBlocked(occupied & ~own & ~theirs);
  nodes_ = 0;
  // Each move is searched only as far as it takes to show that it is worse
  // than the best so far; the best ones get their exact score.
  std::array<int, kCells> scores{};
  int best = -kWin;
  std::vector<int> order = CellList(empty);
  std::ranges::stable_sort(order, std::greater{}, [&](int c) { return Promise(c, own, occupied); });
  for (int cell : order) {
    const int reply = Score(theirs, own | Bit(cell), -kWin - 1, -best + 2);
    scores[cell] = -reply + (reply > 0) - (reply < 0);
    best = std::max(best, scores[cell]);
    if (nodes_ > kNodeBudget) return std::nullopt;
  }
  std::vector<int> cells = Best(empty, [&scores](int c) { return scores[c]; });
  if (best <= 0 && cells.size() > 1) cells = MostChances(cells, own, theirs, best);
  const int cell = cells[static_cast<std::size_t>(draw) % cells.size()];
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

std::vector<int> MasterSearch::MostChances(const std::vector<int>& cells, Cells own, Cells theirs, int score) {
  // A reply keeps the opponent's due when after it the mover still does no
  // better than `score` says: no win where a draw was due, a loss where one was.
  auto keeping = [&](int cell) {
    const Cells mine = own | Bit(cell);
    const Cells occupied = mine | theirs | blocked_;
    const Cells completing = Threats(theirs, occupied);
    int replies = 0;
    for (Cells left = kAllCells & ~occupied; left != 0; left &= left - 1) {
      const Cells reply = Bit(std::countr_zero(left));
      const int after = (completing & reply) != 0 ? -kWin : Score(mine, theirs | reply, -1, 1);
      replies += score == 0 ? after <= 0 : after < 0;
    }
    return replies;
  };
  Cells candidates = 0;
  for (int cell : cells) candidates |= Bit(cell);
  std::vector<int> fewest = Best(candidates, [&](int cell) { return -keeping(cell); });
  // Past the bound the counts mean nothing; the equal moves stay equal.
  return nodes_ > kNodeBudget ? cells : fewest;
}

int MasterSearch::Score(Cells own, Cells theirs, int alpha, int beta) {
  if (++nodes_ > kNodeBudget) return 0;  // the caller sees nodes_ and throws it away
  const Cells occupied = own | theirs | blocked_;
  const Cells empty = kAllCells & ~occupied;
  if (empty == 0) return 0;
  if (Threats(own, occupied) != 0) return kWin - 1;
  const Cells danger = Threats(theirs, occupied);
  if (std::popcount(danger) >= 2) return -(kWin - 2);

  // Without a line to complete now, the mover completes one at its third
  // ply at the soonest (two threats, one blocked), and the opponent at its
  // second ply from now at the soonest.
  // A side without a line free of the others' pieces completes none.
  beta = std::min(beta, HasOpenLine(own, occupied) ? kWin - 3 : 0);
  alpha = std::max(alpha, HasOpenLine(theirs, occupied) ? -(kWin - 4) : 0);
  if (alpha >= beta) return alpha;

  const bool mirrored = std::popcount(own | theirs) <= kPiecesToMirror;
  const std::uint64_t key = mirrored ? MirrorKey(own, theirs) : PlainKey(own, theirs);
  Known& known = Slot(key);
  int first = -1;  // the best move found before
  if (known.used && known.key == key) {
    if (known.bound == 0) return known.score;
    if (known.bound > 0) alpha = std::max(alpha, int{known.score});
    if (known.bound < 0) beta = std::min(beta, int{known.score});
    if (alpha >= beta) return known.score;
    first = known.move;
  }
  const int alphaIn = alpha;

  // A threat must be blocked; otherwise the moves that make threats of
  // their own come first, as they leave the opponent one answer.
  std::array<std::pair<int, int>, kCells> moves{};
  int count = 0;
  for (Cells cells = danger != 0 ? danger : empty; cells != 0; cells &= cells - 1) {
    const int cell = std::countr_zero(cells);
    const int rank = cell == first ? 100 : Promise(cell, own, occupied);
    moves[count++] = {-rank, cell};
  }
  std::sort(moves.begin(), moves.begin() + count);

  int best = -kWin, bestMove = -1;
  for (int i = 0; i < count; ++i) {
    const int reply = Score(theirs, own | Bit(moves[i].second), -beta - 1, -alpha + 1);
    if (nodes_ > kNodeBudget) return 0;
    const int score = -reply + (reply > 0) - (reply < 0);
    if (score > best) {
      best = score;
      bestMove = moves[i].second;
    }
    alpha = std::max(alpha, score);
    if (alpha >= beta) break;
  }
  // The slot may have gone to another position meanwhile; the newest wins.
  Known& slot = Slot(key);
  slot.key = key;
  slot.used = true;
  slot.score = static_cast<std::int8_t>(best);
  slot.bound = static_cast<std::int8_t>(best <= alphaIn ? -1 : best >= beta ? 1 : 0);
  // A mirror image's move is another cell of this board.
  slot.move = static_cast<std::int8_t>(mirrored ? -1 : bestMove);
  return best;
}

MasterSearch::Known& MasterSearch::Slot(std::uint64_t key) {
  if (known_.empty()) known_.resize(kKnownSlots);  // at the first search, not at start-up
  return known_[(key * 0x9E3779B97F4A7C15ULL) >> (64 - kKnownBits)];
}

}  // namespace trimbol
