// Helpers for the media tests: small sound files made in a private temporary
// folder, a listener on the mixer's output, and scoped environment changes.
#pragma once

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "media/media_players.h"
#include "scratch_folder.h"

namespace trimbol {
inline void PrintTo(SoundPlayer player, std::ostream* out) {
  *out << (player == SoundPlayer::kMusic ? "Music" : player == SoundPlayer::kEffects ? "Effect" : "Result");
}
}  // namespace trimbol

namespace trimbol::media::testing {

using Bytes = std::vector<unsigned char>;
inline constexpr SoundPlayer kAllPlayers[] = {SoundPlayer::kMusic, SoundPlayer::kEffects, SoundPlayer::kResults};
inline std::string NameOf(SoundPlayer player) { return ::testing::PrintToString(player); }

// A 440 Hz tone, 16-bit mono at 22050 Hz.
inline Bytes WaveBytes(double seconds) {
  const auto frames = static_cast<std::uint32_t>(seconds * 22050);
  Bytes bytes;
  auto put = [&bytes](std::uint32_t value, int count) {  // little-endian
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  auto tag = [&bytes](const char* text) { for (int i = 0; i < 4; ++i) bytes.push_back(text[i]); };
  tag("RIFF"); put(36 + frames * 2, 4); tag("WAVE"); tag("fmt "); put(16, 4);
  put(1, 2); put(1, 2); put(22050, 4); put(44100, 4); put(2, 2); put(16, 2);  // PCM mono
  tag("data"); put(frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double sample = 8000 * std::sin(2 * std::numbers::pi * 440 * i / 22050);
    put(static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)), 2);
  }
  return bytes;
}

// A standard MIDI file: piano, then C and E of half a second each.
inline Bytes MidiBytes() {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 23,
          0x00, 0xC0, 0x00, 0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0x90, 64, 100,
          0x60, 0x80, 64, 0, 0x00, 0xFF, 0x2F, 0x00};
}

inline Bytes Head(const Bytes& bytes, std::size_t count) { return Bytes(bytes.begin(), bytes.begin() + count); }

inline Bytes FromHex(std::string_view hex) {
  Bytes bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<unsigned char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  }
  return bytes;
}

inline Bytes Concat(Bytes first, const Bytes& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// A WAV file of `frames` 8-bit frames of `channels` samples at `rate` Hz,
// with extra chunks (already in their RIFF form) between the format and the
// samples.
inline Bytes SmallWave(std::uint32_t rate, std::uint32_t frames, const Bytes& extra = {}, std::uint16_t channels = 1) {
  Bytes bytes;
  auto put = [&bytes](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  auto tag = [&bytes](const char* text) { for (int i = 0; i < 4; ++i) bytes.push_back(text[i]); };
  tag("RIFF"); put(0, 4); tag("WAVE"); tag("fmt "); put(16, 4);
  put(1, 2); put(channels, 2); put(rate, 4); put(rate * channels, 4); put(channels, 2); put(8, 2);
  bytes.insert(bytes.end(), extra.begin(), extra.end());
  tag("data"); put(frames * channels, 4);
  for (std::uint32_t i = 0; i < frames * channels; ++i) bytes.push_back(i / channels % 2 ? 0x40 : 0xC0);
  const std::uint32_t riff = static_cast<std::uint32_t>(bytes.size() - 8);
  for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<unsigned char>(riff >> (8 * i));
  return bytes;
}

// A RIFF chunk: its name, its length and its bytes.
inline Bytes Chunk(const char* name, const Bytes& body) {
  Bytes bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(name[i]);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(body.size() >> (8 * i)));
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

// A scratch folder that also makes the sounds the tests play.
class SoundFolder : public ::trimbol::testing::ScratchFolder {
 public:
  std::string WriteWave(const std::string& name, double seconds) const { return Write(name, WaveBytes(seconds)); }
  std::string WriteMidi(const std::string& name) const { return Write(name, MidiBytes()); }
  // lame (scripts/setup) keeps the wave's 22.05 kHz, unless told to resample.
  std::string WriteMp3(const std::string& name, double seconds, int kbps = 32, const std::string& options = "") const {
    const std::string wave = WriteWave(name + ".wav", seconds), file = path() + "/" + name;
    const std::string command =
        "lame --quiet -b " + std::to_string(kbps) + " " + options + " '" + wave + "' '" + file + "'";
    if (std::system(command.c_str()) != 0) {
      throw std::runtime_error("lame could not make " + file);
    }
    return file;
  }
};

// Listens to what the mixer sends out, so a test can tell a started sound
// from silence even on the silent driver. The callback runs on the audio
// thread and only raises an atomic.
class OutputPeak {
 public:
  OutputPeak() { Mix_SetPostMix(&Listen, this); }
  ~OutputPeak() { Mix_SetPostMix(nullptr, nullptr); }
  bool HeardWithin(std::chrono::milliseconds limit) const {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (peak_ < 200) {  // above rounding noise, below the quiet MIDI piano
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

 private:
  static void Listen(void* self, Uint8* stream, int length) {
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    int peak = 0;
    for (int i = 0; i < length / 2; ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    if (peak > static_cast<OutputPeak*>(self)->peak_) static_cast<OutputPeak*>(self)->peak_ = peak;
  }
  std::atomic<int> peak_{0};
};

// Sets an environment variable for a scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_.c_str(), old_->c_str(), 1) : ::unsetenv(name_.c_str()); }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace trimbol::media::testing
