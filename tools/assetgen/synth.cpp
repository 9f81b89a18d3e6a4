// Oscillators, envelopes, noise and filters for the synthesised sounds.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "wav_writer.h"

namespace trimbol::assetgen {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRate = kSampleRate;
// Partials above this would fold back as audible aliasing.
constexpr double kHighestPartial = 0.4 * kRate;

}  // namespace

std::size_t SampleCount(double seconds) {
  return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kRate));
}

double NoteHz(int midiKey) { return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0); }

float Noise::Next() {
  // xorshift32: tiny, fast and good enough for audio noise.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483647.5 - 1.0);
}

// Cookbook biquads; a0 is folded into the other coefficients.
Biquad Biquad::HighPass(double hz, double q) {
  const double w = kTwoPi * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = (1 + c) / 2 / a0;
  f.b1_ = -(1 + c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double hz, double q) {
  const double w = kTwoPi * hz / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = alpha / a0;
  f.b1_ = 0;
  f.b2_ = -alpha / a0;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

float Biquad::Process(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

Signal DampedSine(double hz, double seconds, double decay, double endHz) {
  Signal out(SampleCount(seconds));
  double phase = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double f = endHz > 0 ? endHz + (hz - endHz) * std::exp(-t / decay) : hz;
    out[i] = static_cast<float>(std::sin(phase) * std::exp(-t / decay));
    phase += kTwoPi * f / kRate;
  }
  return out;
}

Signal NoiseHit(double seconds, double decay, Biquad filter, std::uint32_t seed) {
  Noise noise(seed);
  Signal out(SampleCount(seconds));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    out[i] = filter.Process(noise.Next()) * static_cast<float>(std::exp(-t / decay));
  }
  return out;
}

Signal BellStrike(double hz, double seconds) {
  // Partial ratios of a church-bell-like strike (hum, prime, tierce, ...).
  struct Partial {
    double ratio, level, decay;
  };
  static constexpr Partial kPartials[] = {
      {0.50, 0.35, 0.30}, {1.00, 1.00, 0.22}, {1.19, 0.55, 0.16}, {1.50, 0.35, 0.13},
      {2.00, 0.45, 0.10}, {2.52, 0.25, 0.07}, {3.01, 0.20, 0.05}, {4.07, 0.12, 0.035},
  };
  Signal out(SampleCount(seconds));
  for (const Partial& p : kPartials) {
    if (hz * p.ratio > kHighestPartial) continue;
    for (std::size_t i = 0; i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      out[i] += static_cast<float>(p.level * std::exp(-t / p.decay) * std::sin(kTwoPi * hz * p.ratio * t));
    }
  }
  return out;
}

Signal Tone(const Voice& voice, double hz, double seconds) {
  Signal out(SampleCount(seconds));
  const double releaseStart = std::max(0.0, seconds - voice.release);
  double phase = 0;  // of the fundamental; partial n runs at n * phase
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double level = voice.attack > 0 ? std::min(1.0, t / voice.attack) : 1.0;
    if (voice.decay > 0) level *= std::exp(-t / voice.decay);
    if (t > releaseStart && voice.release > 0) level *= std::max(0.0, 1 - (t - releaseStart) / voice.release);
    const double brightness = voice.brightnessRise > 0 ? std::min(1.0, t / voice.brightnessRise) : 1.0;
    double sample = 0;
    for (std::size_t n = 0; n < voice.harmonics.size(); ++n) {
      const double partial = static_cast<double>(n + 1);
      if (hz * partial > kHighestPartial) break;
      // Upper partials come in later: a brass player's note brightens.
      const double weight = n == 0 ? 1.0 : std::pow(brightness, partial - 1);
      sample += voice.harmonics[n] * weight * std::sin(partial * phase);
    }
    out[i] = static_cast<float>(level * sample);
    const double wobble = t > 0.15 ? voice.vibrato * std::sin(kTwoPi * 5.5 * t) : 0.0;
    phase += kTwoPi * hz * (1 + wobble) / kRate;
  }
  return out;
}

void MixInto(Signal& target, const Signal& source, double at, double gain) {
  const std::size_t start = SampleCount(at);
  if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0f);
  for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += static_cast<float>(gain) * source[i];
}

void Finish(Signal& signal, double peak, double fadeIn, double fadeOut) {
  const std::size_t in = std::min(signal.size(), SampleCount(fadeIn));
  const std::size_t out = std::min(signal.size(), SampleCount(fadeOut));
  // Raised-cosine fades, then normalising, so the fades cannot lift the peak.
  for (std::size_t i = 0; i < in; ++i)
    signal[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / in));
  for (std::size_t i = 0; i < out; ++i)
    signal[signal.size() - 1 - i] *=
        static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / out));
  float highest = 0;
  for (float s : signal) highest = std::max(highest, std::abs(s));
  if (highest > 0)
    for (float& s : signal) s *= static_cast<float>(peak / highest);
}

}  // namespace trimbol::assetgen
