// Walks the MPEG audio frames of an MP3 file after its ID3v2 tag. Where the
// bytes are not a frame it looks for the next sync word one byte on, as the
// decoder does.
#include "media/mp3_check.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "media/file_bytes.h"
#include "media/tag_check.h"

namespace trimbol::media {
namespace {

struct Frame {
  std::uint32_t bytes = 0;    // 0 when the header gives no length (free format)
  std::uint32_t samples = 0;  // per channel
  std::uint32_t rate = 0;
};

// Decodes a four-byte frame header; false when it is none.
bool ReadFrameHeader(const unsigned char* h, Frame& frame) {
  if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return false;
  const int version = (h[1] >> 3) & 3;  // 0: MPEG 2.5, 2: MPEG 2, 3: MPEG 1
  const int layer = (h[1] >> 1) & 3;    // 3: layer I, 2: layer II, 1: layer III
  const int bitrateIndex = h[2] >> 4;
  const int rateIndex = (h[2] >> 2) & 3;
  if (version == 1 || layer == 0 || bitrateIndex == 15 || rateIndex == 3) return false;
  const bool mpeg1 = version == 3;
  static constexpr int kRates[3] = {44100, 48000, 32000};
  frame.rate = static_cast<std::uint32_t>(kRates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2));
  static constexpr int kKbps[2][3][16] = {
      // MPEG 2 and 2.5: layers III, II, I
      {{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256}},
      // MPEG 1: layers III, II, I
      {{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
       {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}}};
  const std::uint32_t bitrate = 1000u * static_cast<std::uint32_t>(kKbps[mpeg1][layer - 1][bitrateIndex]);
  const std::uint32_t padding = (h[2] >> 1) & 1;
  if (layer == 3) {
    frame.samples = 384;
    frame.bytes = bitrate == 0 ? 0 : (12 * bitrate / frame.rate + padding) * 4;
  } else {
    frame.samples = layer == 1 && !mpeg1 ? 576 : 1152;
    frame.bytes = bitrate == 0 ? 0 : frame.samples / 8 * bitrate / frame.rate + padding;
  }
  return true;
}

}  // namespace

SoundCheck CheckMp3(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  std::array<unsigned char, 128> head{};  // what the tag reader looks at first
  const std::size_t got = ReadAt(data, 0, head);
  if (StartsReadableId3v2(std::span(head.data(), got), size)) {
    if (std::string problem = Id3v2TagProblem(data, 0, size); !problem.empty()) return {problem};
  }
  return {ApeTagProblem(data)};
}

double Mp3PlayingSeconds(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  if (size <= 0) return 0;
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  ReadAt(data, 0, bytes);

  std::size_t at = Id3v2TagLength(bytes);
  double seconds = 0;
  while (at + 4 <= bytes.size()) {
    Frame frame;
    if (!ReadFrameHeader(&bytes[at], frame)) {
      ++at;
      continue;
    }
    seconds += static_cast<double>(frame.samples) / frame.rate;
    at += frame.bytes >= 4 ? frame.bytes : 1;
  }
  return seconds;
}

}  // namespace trimbol::media
