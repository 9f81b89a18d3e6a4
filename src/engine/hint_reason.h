// Why Master takes a cell: what the hint tells the player, in the game's
// terms.
#pragma once

#include "engine/lines.h"
#include "engine/side.h"

namespace trimbol {

// The window puts it in words.
struct HintReason {
  enum class Kind {
    kComplete,        // `line` of the mover is completed
    kBlock,           // `side` would complete `line` next
    kFork,            // two threats at once: only one can be blocked
    kForcedIn,        // the mover completes a line within `moves` own moves
    kNoForcedLoss,    // no opponent can force a line after this move
    kLongestDefence,  // every move loses; this one holds out longest
    kBuild,           // none of the above: the most open lines
  };
  Kind kind = Kind::kBuild;
  Side side{1};
  Line line{};
  int moves = 0;
  friend bool operator==(const HintReason&, const HintReason&) = default;
};

}  // namespace trimbol
