// The RIFF/WAVE container for 16-bit mono PCM, written little-endian byte
// by byte so the output does not depend on the host's byte order.
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace trimbol::assetgen {
namespace {

void PutLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

void WriteWav(const std::filesystem::path& path, const std::vector<float>& samples) {
  constexpr std::uint32_t kChannels = 1, kBits = 16;
  constexpr std::uint32_t kBlockAlign = kChannels * kBits / 8;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutLE(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLE(out, 16, 4);  // size of the fmt chunk
  PutLE(out, 1, 2);   // PCM
  PutLE(out, kChannels, 2);
  PutLE(out, kSampleRate, 4);
  PutLE(out, kSampleRate * kBlockAlign, 4);  // bytes per second
  PutLE(out, kBlockAlign, 2);
  PutLE(out, kBits, 2);
  out += "data";
  PutLE(out, dataBytes, 4);
  for (float sample : samples) {
    const float clamped = std::clamp(sample, -1.0f, 1.0f);
    const auto value = static_cast<std::int16_t>(std::lround(clamped * 32767.0f));
    PutLE(out, static_cast<std::uint16_t>(value), 2);
  }

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace trimbol::assetgen
