// Master, the strongest computer player, and the reason it gives for a
// hint. Two sides: a complete search that wins whatever can be won, as fast
// as it can, and otherwise holds out longest. Three or four sides, where
// no side can force a line: complete, block the side nearest a line, make
// two threats at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/board.h"
#include "engine/hint_reason.h"
#include "engine/random_generator.h"
#include "engine/side.h"

namespace trimbol {

struct MasterMove {
  Cell cell;
  HintReason reason;
};

// A two-side position's worth to the side to move, with perfect play.
enum class Outcome { kLoss = -1, kDraw = 0, kWin = 1 };

// Keeps what it has worked out between moves, in a table of fixed size: a
// position once solved is looked up, so a whole game costs little more than
// its first move. The table is made at the first question, not before.
class MasterSearch {
 public:
  // Master's cell for `side`, the sides taking turns 1..sidesInPlay. Equal
  // cells are told apart by one draw from `random`, taken on every move.
  // Nothing, and no draw, on a full board.
  std::optional<MasterMove> Choose(const Board& board, Side side, int sidesInPlay, RandomGenerator& random);

  // `toMove` against `other` alone; pieces of any other side only block.
  // Nothing when the search would take longer than a move may.
  std::optional<Outcome> Solve(const Board& board, Side toMove, Side other);

 private:
  using Cells = std::uint32_t;  // bit i: cell index i
  struct Known {
    std::uint64_t key = 0;
    bool used = false;
    std::int8_t score = 0;
    std::int8_t bound = 0;  // 0 exact, 1 at least, -1 at most
    std::int8_t move = -1;  // the best cell found, -1 none
  };

  // The best move of a two-side game with its reason, equal ones told
  // apart by `draw`; nothing when the search would take longer than a move may.
  std::optional<MasterMove> Search(const Board& board, Side side, Side other, int draw);
  // Of `cells`, equal at `score` (a draw or a loss), the ones that leave the
  // opponent the fewest replies that keep its due: every chance to go wrong.
  std::vector<int> MostChances(const std::vector<int>& cells, Cells own, Cells theirs, int score);
  // The score of the side to move holding `own` against `theirs`: 100 - n
  // for a line at its n-th ply from here, the negative for the opponent's,
  // 0 for a full board without one.
  int Score(Cells own, Cells theirs, int alpha, int beta);
  void UseBlocked(Cells blocked);
  static std::uint64_t PlainKey(Cells own, Cells theirs) { return own | std::uint64_t{theirs} << kCells; }
  // The same for every position that is a mirror image of this one. Telling
  // the images of a position apart would search each again; finding the one
  // to stand for them all costs more than it saves once the board fills.
  std::uint64_t MirrorKey(Cells own, Cells theirs) const;
  Known& Slot(std::uint64_t key);

  static constexpr int kPiecesToMirror = 7;
  // Every position a two-side game can reach is searched within it; only
  // boards with pieces of sides that left the game may need more.
  static constexpr long kNodeBudget = 60000;
  long nodes_ = 0;
  Cells blocked_ = 0;  // pieces of sides not in this two-side game
  std::vector<int> symmetries_;  // the ones that leave the blocked cells where they are
  static constexpr int kKnownBits = 16;
  static constexpr std::size_t kKnownSlots = std::size_t{1} << kKnownBits;
  std::vector<Known> known_;  // by a hash of the key; empty until the first search
};

}  // namespace trimbol
