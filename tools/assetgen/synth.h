// Small building blocks for synthesising the game's sounds: oscillators
// with envelopes, filtered noise, a bell, mixing and the final touches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trimbol::assetgen {

using Signal = std::vector<float>;

std::size_t SampleCount(double seconds);
// Equal temperament, key 69 = A4 = 440 Hz.
double NoteHz(int midiKey);

// A fixed-seed white noise generator, so every build makes the same files.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
  float Next();  // uniform in -1..1

 private:
  std::uint32_t state_;
};

// A second-order filter after the well-known audio-EQ cookbook formulas.
class Biquad {
 public:
  static Biquad HighPass(double hz, double q);
  static Biquad BandPass(double hz, double q);  // 0 dB at the centre
  float Process(float x);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A sine falling away exponentially (decay = time to drop to 1/e), its pitch
// gliding from hz to endHz over the first decay period; endHz 0 keeps it steady.
Signal DampedSine(double hz, double seconds, double decay, double endHz = 0);
// A noise burst through `filter`, falling away exponentially.
Signal NoiseHit(double seconds, double decay, Biquad filter, std::uint32_t seed);
// A struck bell: inharmonic partials of `hz`, the higher ones dying sooner.
Signal BellStrike(double hz, double seconds);

// The timbre of a pitched instrument.
struct Voice {
  std::vector<double> harmonics;  // amplitude of partial 1, 2, 3, ...
  double attack = 0.01;           // seconds to full level
  double release = 0.05;          // seconds to silence at the end of the note
  double decay = 0;               // 1/e time of a plucked or struck fall; 0 sustains
  double brightnessRise = 0;      // seconds for the upper partials to come in (brass)
  double vibrato = 0;             // depth as a fraction of the pitch, 5.5 Hz, after 0.15 s
};
// One note of `voice` lasting `seconds`, release included.
Signal Tone(const Voice& voice, double hz, double seconds);

// Adds source * gain into target from `at` seconds on, growing target as needed.
void MixInto(Signal& target, const Signal& source, double at, double gain = 1.0);
// Scales to `peak` (below full scale so nothing clips) and fades both ends
// to zero so playback starts and stops without a click.
void Finish(Signal& signal, double peak = 0.89, double fadeIn = 0.002, double fadeOut = 0.01);

}  // namespace trimbol::assetgen
