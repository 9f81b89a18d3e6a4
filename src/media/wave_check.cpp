// Walks the chunks of a RIFF/WAVE file the way SDL_mixer's streaming WAV
// reader does (no padding after odd lengths, a zero length ends the walk, the
// last "fmt " and "data" win) and refuses what would make it divide by zero
// or read outside a chunk. It also tells the playing time.
#include "media/wave_check.h"

#include <array>
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "media/file_bytes.h"
#include "media/mp3_check.h"
#include "media/tag_check.h"

namespace trimbol::media {
namespace {

// A chunk's four-letter name as the little-endian number SDL compares.
constexpr std::uint32_t Tag(const char (&text)[5]) {
  return std::uint32_t(std::uint8_t(text[0])) | std::uint32_t(std::uint8_t(text[1])) << 8 |
         std::uint32_t(std::uint8_t(text[2])) << 16 | std::uint32_t(std::uint8_t(text[3])) << 24;
}

constexpr std::uint16_t kPcm = 1, kMsAdpcm = 2, kFloat = 3, kALaw = 6, kMuLaw = 7, kImaAdpcm = 0x11;
constexpr std::uint16_t kExtensible = 0xFFFE;
constexpr std::uint32_t kHighestRate = 768000;

struct Format {
  std::uint16_t encoding = 0;
  std::uint32_t channels = 0;
  std::uint32_t rate = 0;
  std::uint32_t blockAlign = 0;
  std::uint32_t bits = 0;
  std::uint32_t framesPerBlock = 0;  // ADPCM only
};

struct Loop {
  std::uint32_t start, end;
};

// The "fmt " chunk's fields; the extensible format's real encoding sits in
// its sub-format.
Format ReadFormat(const std::vector<unsigned char>& chunk) {
  Format f;
  f.encoding = static_cast<std::uint16_t>(LittleEndian(&chunk[0], 2));
  f.channels = LittleEndian(&chunk[2], 2);
  f.rate = LittleEndian(&chunk[4], 4);
  f.blockAlign = LittleEndian(&chunk[12], 2);
  f.bits = LittleEndian(&chunk[14], 2);
  if (f.encoding == kExtensible && chunk.size() >= 26) {
    f.encoding = static_cast<std::uint16_t>(LittleEndian(&chunk[24], 2));
  }
  if (chunk.size() >= 20) f.framesPerBlock = LittleEndian(&chunk[18], 2);
  return f;
}

// The "INFO" list is read field by field; each named field's text must end
// inside the chunk, because the reader copies it up to its first zero byte.
bool InfoListIsSafe(const std::vector<unsigned char>& chunk) {
  const std::size_t length = chunk.size();
  if (length < 4) return false;
  if (std::string_view(reinterpret_cast<const char*>(chunk.data()), 4) != "INFO") return true;
  static constexpr std::string_view kFields[] = {"INAM", "IART", "IALB", "BCPR"};
  std::size_t i = 4;
  while (i + 4 < length) {
    const std::string_view id(reinterpret_cast<const char*>(&chunk[i]), 4);
    bool named = false;
    for (std::string_view field : kFields) named = named || id == field;
    if (!named) {
      ++i;
      continue;
    }
    if (i + 8 > length) return false;
    const std::uint32_t size = LittleEndian(&chunk[i + 4], 4);
    if (size > length) {
      i += 4;
      continue;
    }
    i += 8;
    bool ended = false;
    for (std::size_t j = i; j < length && !ended; ++j) ended = chunk[j] == 0;
    if (!ended) return false;
    i += size;
  }
  return true;
}

// Bytes per sample frame after the reader has widened the samples, which is
// what its loop points count in; 0 for encodings it does not play.
std::uint32_t DecodedFrameBytes(const Format& f) {
  std::uint32_t sampleBytes = 0;
  switch (f.encoding) {
    case kPcm: sampleBytes = f.bits == 8 ? 1 : f.bits == 16 ? 2 : (f.bits == 24 || f.bits == 32) ? 4 : 0; break;
    case kFloat: sampleBytes = (f.bits == 32 || f.bits == 64) ? 4 : 0; break;
    case kALaw:
    case kMuLaw: sampleBytes = f.bits == 8 ? 2 : 0; break;
    default: break;
  }
  return sampleBytes * (f.channels & 0xFF);
}

double PlayingSeconds(const Format& f, std::uint64_t dataBytes) {
  if (f.rate == 0 || f.channels == 0) return 0;
  double frames = 0;
  if (f.encoding == kMsAdpcm || f.encoding == kImaAdpcm) {
    if (f.blockAlign == 0) return 0;
    frames = static_cast<double>(dataBytes / f.blockAlign) * f.framesPerBlock;
  } else {
    const std::uint32_t sampleBytes = (f.encoding == kALaw || f.encoding == kMuLaw) ? 1 : (f.bits + 7) / 8;
    if (sampleBytes == 0) return 0;
    frames = static_cast<double>(dataBytes) / (static_cast<double>(sampleBytes) * f.channels);
  }
  return frames / f.rate;
}

}  // namespace

SoundCheck CheckWave(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  Format format;
  bool haveFormat = false;
  Sint64 dataStart = 0, dataEnd = 0;
  bool haveData = false;
  std::vector<Loop> loops;

  Sint64 at = 12;  // after "RIFF", the length and "WAVE"
  while (at < size) {
    std::array<unsigned char, 8> header{};
    ReadAt(data, at, header);
    const std::uint32_t type = LittleEndian(&header[0], 4);
    const std::uint32_t length = LittleEndian(&header[4], 4);
    if (length == 0) break;
    const Sint64 body = at + 8;
    at = body + length;
    if (type == Tag("data")) {
      dataStart = body;
      dataEnd = body + length;
      haveData = true;
      continue;
    }
    // The reader takes the first 16 bytes of a format (40 of a long one) and
    // the whole of a loop or tag chunk; what the file does not hold makes it
    // fail cleanly. (The ADPCM fields for the playing time follow the first 16.)
    const bool isFormat = type == Tag("fmt ");
    const std::uint32_t needed = !isFormat ? length : length >= 40 ? 40 : 16;
    const bool known = isFormat || type == Tag("smpl") || type == Tag("LIST") || type == Tag("id3 ");
    if (!known || body + needed > size) continue;
    const auto held = static_cast<std::uint32_t>(std::min<Sint64>(size - body, 40));
    const std::uint32_t wanted = isFormat ? std::min<std::uint32_t>({std::max<std::uint32_t>(length, 16), 40, held})
                                          : needed;
    if (type == Tag("id3 ")) {  // an ID3v2 tag, read as from an MP3 file
      std::array<unsigned char, 10> head{};
      const std::size_t got = ReadAt(data, body, std::span(head).first(std::min<std::size_t>(length, head.size())));
      if (StartsReadableId3v2(std::span(head.data(), got), Sint64{length} + 1)) {
        if (std::string problem = Id3v2TagProblem(data, body, length); !problem.empty()) {
          return {"the WAV file's tags are damaged"};
        }
      }
      continue;
    }

    std::vector<unsigned char> chunk(wanted);
    ReadAt(data, body, chunk);
    if (isFormat) {
      if (length < 16) continue;  // the reader says so itself
      format = ReadFormat(chunk);
      haveFormat = true;
      if (format.channels == 0) return {"Invalid number of channels"};
      if (format.channels > 255) return {"Number of channels exceeds limit of 255"};
      if (format.rate == 0) return {"Invalid sample rate"};
      // SDL's resampler works in 32-bit sums that a rate beyond any real one
      // overflows.
      if (format.rate > kHighestRate) return {"Sample rate exceeds limit of 768000"};
    } else if (type == Tag("smpl")) {
      // 36 bytes of sampler fields, the loop count among them, then 24 per loop.
      if (length < 36) return {"the WAV file's loop points are damaged"};
      const std::uint32_t count = LittleEndian(&chunk[28], 4);
      if (count > (length - 36) / 24) return {"the WAV file's loop points are damaged"};
      for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* loop = &chunk[36 + 24 * i];
        if (LittleEndian(loop + 4, 4) == 0) loops.push_back({LittleEndian(loop + 8, 4), LittleEndian(loop + 12, 4)});
      }
    } else if (!InfoListIsSafe(chunk)) {
      return {"the WAV file's tags are damaged"};
    }
  }

  SoundCheck check;
  if (!haveFormat || !haveData) return check;  // the readers name what is missing
  // Forward loops replay a stretch of the samples; one that ends outside
  // them would have the reader read backwards.
  if (const std::uint64_t frame = DecodedFrameBytes(format); frame != 0) {
    for (const Loop& loop : loops) {
      const std::uint64_t first = std::uint64_t{loop.start} * frame;
      const std::uint64_t last = (std::uint64_t{loop.end} + 1) * frame;
      if (loop.start > loop.end || last > UINT32_MAX || dataStart + static_cast<Sint64>(last) > dataEnd ||
          first >= last) {
        return {"the WAV file's loop points are damaged"};
      }
    }
  }
  // Timed by the samples the file claims, which a player that decodes the
  // sound whole sets memory aside for, even when the file holds fewer.
  check.seconds = PlayingSeconds(format, static_cast<std::uint64_t>(dataEnd - dataStart));
  return check;
}

}  // namespace trimbol::media
