// The shipped sound files: 16-bit PCM WAV, short enough for their use,
// below full scale, quiet at both ends and all different from each other.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/file_names.h"

namespace {

namespace fs = std::filesystem;

const fs::path kRunDir = TRIMBOL_RUN_DIR;

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;  // interleaved
  double Seconds() const { return channels && rate ? static_cast<double>(samples.size()) / channels / rate : 0; }
};

std::uint32_t LE(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

// Walks the RIFF chunks; fails the test on anything malformed.
void ReadWav(const fs::path& path, Wav& wav) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_GE(b.size(), 44u);
  ASSERT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
  ASSERT_EQ(std::memcmp(b.data() + 8, "WAVE", 4), 0);
  EXPECT_EQ(LE(b, 4, 4), b.size() - 8);
  bool haveFormat = false, haveData = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = LE(b, at + 4, 4);
    ASSERT_LE(at + 8 + size, b.size()) << "chunk runs past the end";
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0) {
      wav.format = static_cast<int>(LE(b, at + 8, 2));
      wav.channels = static_cast<int>(LE(b, at + 10, 2));
      wav.rate = static_cast<int>(LE(b, at + 12, 4));
      wav.bits = static_cast<int>(LE(b, at + 22, 2));
      haveFormat = true;
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      for (std::size_t i = 0; i + 1 < size; i += 2)
        wav.samples.push_back(static_cast<std::int16_t>(LE(b, at + 8 + i, 2)));
      haveData = true;
    }
    at += 8 + size + (size & 1);
  }
  ASSERT_TRUE(haveFormat && haveData);
}

struct Case {
  std::string name;
  double maxSeconds;
};

std::vector<Case> AllSounds() {
  std::vector<Case> all;
  for (std::string_view name : trimbol::files::kEffectSounds) all.push_back({std::string(name), 0.4});
  for (std::string_view name : trimbol::files::kResultSounds) all.push_back({std::string(name), 2.5});
  return all;
}

TEST(SoundFiles, ArePcm16WithinTheirLengthAndBelowFullScale) {
  for (const Case& c : AllSounds()) {
    SCOPED_TRACE(c.name);
    Wav wav;
    ASSERT_NO_FATAL_FAILURE(ReadWav(kRunDir / fs::u8path(c.name), wav));
    EXPECT_EQ(wav.format, 1);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_LT(wav.Seconds(), c.maxSeconds);
    EXPECT_GT(wav.Seconds(), c.maxSeconds == 2.5 ? 0.8 : 0.02) << "too short to be heard as meant";
    int peak = 0;
    for (std::int16_t s : wav.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LE(peak, 0.95 * 32767) << "too close to clipping";
    EXPECT_GE(peak, 0.5 * 32767) << "needlessly quiet";
    // Both ends fade to (near) silence, so starting and stopping does not click.
    const std::size_t edge = 3 * static_cast<std::size_t>(wav.channels);
    ASSERT_GT(wav.samples.size(), 2 * edge);
    for (std::size_t i = 0; i < edge; ++i) {
      EXPECT_LT(std::abs(wav.samples[i]), 0.01 * 32767);
      EXPECT_LT(std::abs(wav.samples[wav.samples.size() - 1 - i]), 0.01 * 32767);
    }
  }
}

// Correlation of the overlapping start of two signals: 1 for the same sound.
double Similarity(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
  const std::size_t n = std::min(a.size(), b.size());
  double ab = 0, aa = 0, bb = 0;
  for (std::size_t i = 0; i < n; ++i) {
    ab += static_cast<double>(a[i]) * b[i];
    aa += static_cast<double>(a[i]) * a[i];
    bb += static_cast<double>(b[i]) * b[i];
  }
  return aa > 0 && bb > 0 ? std::abs(ab) / std::sqrt(aa * bb) : 1.0;
}

TEST(SoundFiles, AreAllDifferentSounds) {
  const std::vector<Case> all = AllSounds();
  std::vector<Wav> wavs(all.size());
  for (std::size_t i = 0; i < all.size(); ++i) ASSERT_NO_FATAL_FAILURE(ReadWav(kRunDir / fs::u8path(all[i].name), wavs[i]));
  for (std::size_t i = 0; i < all.size(); ++i)
    for (std::size_t j = i + 1; j < all.size(); ++j) {
      SCOPED_TRACE(all[i].name + " / " + all[j].name);
      EXPECT_LT(Similarity(wavs[i].samples, wavs[j].samples), 0.8);
    }
}

}  // namespace
