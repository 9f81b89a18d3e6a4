// The seven short effects: menu knocks and clicks, the move sounds of the
// two pairs of sides, and the new-game bell.
#include <utility>

#include "engine/file_names.h"
#include "sounds.h"

namespace trimbol::assetgen {
namespace {

// A knuckle on a wooden door, twice: a low thud with a woody body and a
// short crack of noise on each hit.
Signal Knock() {
  Signal hit = DampedSine(150, 0.12, 0.03, 95);
  MixInto(hit, DampedSine(420, 0.06, 0.012), 0, 0.5);
  MixInto(hit, NoiseHit(0.02, 0.003, Biquad::BandPass(1800, 1.2), 11), 0, 0.6);
  Signal out;
  MixInto(out, hit, 0.0);
  MixInto(out, hit, 0.13, 0.8);
  Finish(out);
  return out;
}

// A single dry tap on a hollow wooden block, much higher than the door.
Signal WoodBlock() {
  Signal out = DampedSine(820, 0.16, 0.025);
  MixInto(out, DampedSine(2270, 0.1, 0.012), 0, 0.45);
  MixInto(out, NoiseHit(0.01, 0.0015, Biquad::HighPass(3000, 0.7), 23), 0, 0.5);
  Finish(out);
  return out;
}

// A hand clap: a few bursts of mid-range noise in quick succession, the
// last one ringing out in the room.
Signal Clap() {
  Signal out;
  const double starts[] = {0.0, 0.009, 0.019, 0.028};
  for (std::uint32_t i = 0; i < 4; ++i) {
    const bool last = i == 3;
    MixInto(out, NoiseHit(last ? 0.22 : 0.015, last ? 0.045 : 0.004, Biquad::BandPass(1200, 1.4), 101 + i),
            starts[i], last ? 1.0 : 0.8);
  }
  Finish(out);
  return out;
}

// A twig snapping: one bright crack and a few splinters after it.
Signal Snap() {
  Signal out = NoiseHit(0.03, 0.004, Biquad::HighPass(2500, 0.8), 7);
  MixInto(out, DampedSine(3100, 0.04, 0.006), 0, 0.4);
  const double splinters[] = {0.018, 0.031, 0.047, 0.066};
  for (std::uint32_t i = 0; i < 4; ++i)
    MixInto(out, NoiseHit(0.01, 0.0012, Biquad::BandPass(4000 - 500.0 * i, 2), 31 + i), splinters[i],
            0.5 - 0.1 * i);
  Finish(out, 0.89, 0.001, 0.01);
  return out;
}

// A small hand bell, already fading by the time the next thing happens.
Signal Bell() {
  Signal out = BellStrike(NoteHz(84), 0.38);  // C6
  Finish(out, 0.89, 0.001, 0.06);
  return out;
}

// A light switch: a tiny high tick.
Signal Click() {
  Signal out = NoiseHit(0.025, 0.0018, Biquad::BandPass(4500, 2.5), 3);
  MixInto(out, DampedSine(6000, 0.01, 0.0015), 0, 0.3);
  Finish(out, 0.89, 0.001, 0.005);
  return out;
}

// A ball-point pen: a lower click on the press and a lighter clack on the release.
Signal DoubleClick() {
  Signal out;
  MixInto(out, NoiseHit(0.02, 0.002, Biquad::BandPass(1600, 3), 41), 0);
  MixInto(out, DampedSine(1600, 0.02, 0.003), 0, 0.5);
  MixInto(out, NoiseHit(0.02, 0.0015, Biquad::BandPass(2600, 3), 43), 0.045, 0.6);
  Finish(out, 0.89, 0.001, 0.005);
  return out;
}

}  // namespace

std::vector<NamedSound> EffectSounds() {
  std::vector<NamedSound> sounds;
  sounds.push_back({std::string(files::kKnock), Knock()});
  sounds.push_back({std::string(files::kWoodBlock), WoodBlock()});
  sounds.push_back({std::string(files::kClap), Clap()});
  sounds.push_back({std::string(files::kSnap), Snap()});
  sounds.push_back({std::string(files::kBell), Bell()});
  sounds.push_back({std::string(files::kClick), Click()});
  sounds.push_back({std::string(files::kDoubleClick), DoubleClick()});
  return sounds;
}

}  // namespace trimbol::assetgen
