// The two tunes that ship with the game as "8.mid" and "9.mid".
#pragma once

#include <vector>

#include "arranger.h"

namespace trimbol::assetgen {

std::vector<Tune> ShippedTunes();

}  // namespace trimbol::assetgen
