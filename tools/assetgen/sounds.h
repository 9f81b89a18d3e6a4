// The game's synthesised sounds, each with the file name it ships under.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace trimbol::assetgen {

struct NamedSound {
  std::string fileName;  // UTF-8, bare
  Signal samples;        // finished: faded and below full scale
};

// The seven effects: knocks, clicks, a clap, a snap and a bell, each under 0.4 s.
std::vector<NamedSound> EffectSounds();
// The draw cadence and one victory fanfare per side, each under 2.5 s.
std::vector<NamedSound> ResultSounds();

}  // namespace trimbol::assetgen
