// The game's three sound players: music on the digit keys, effects, and the
// result jingles. A new sound on one cuts off only that player's last sound.
#pragma once

#include <cstddef>

namespace trimbol {

enum class SoundPlayer { kMusic, kEffects, kResults };
inline constexpr std::size_t kSoundPlayers = 3;

}  // namespace trimbol
