// Walks the chunks of a RIFF/WAVE file the way SDL_mixer's streaming WAV
// reader does (no padding after odd lengths, a zero length ends the walk, the
// last "fmt " and "data" win) and refuses what would make it divide by zero
// or read outside a chunk. It also tells the playing time.
#include "media/wave_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/file_bytes.h"
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

// A chunk as its eight-byte header places it.
struct Chunk {
  std::uint32_t type = 0;
  std::uint32_t length = 0;
  Sint64 body = 0;  // where its bytes start
  Sint64 end() const { return body + length; }
};

// What the walk keeps of the chunks it has passed: the last format and
// data chunks win, the loops of every sampler chunk add up.
struct Walk {
  std::optional<Format> format;
  std::optional<Chunk> samples;
  std::vector<Loop> loops;
};

constexpr Sint64 kFirstChunk = 12;  // after "RIFF", the file's length and "WAVE"
constexpr const char* kDamagedLoops = "the WAV file's loop points are damaged";
constexpr const char* kDamagedTags = "the WAV file's tags are damaged";
constexpr const char* kCutShort = "the WAV file is cut short";

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

// The header of the chunk at `at`: its name and its length.
Chunk ReadChunkHeader(SDL_RWops* data, Sint64 at) {
  std::array<unsigned char, 8> header{};
  ReadAt(data, at, header);
  return {LittleEndian(&header[0], 4), LittleEndian(&header[4], 4), at + 8};
}

// A chunk the reader takes whole; none when the file does not hold it all.
// The reader would set aside memory for all it claims (up to 4 GB) before
// finding that out, so such a file is refused as cut short.
std::optional<std::vector<unsigned char>> ReadWholeChunk(SDL_RWops* data, Sint64 size, const Chunk& chunk) {
  if (chunk.end() > size) return std::nullopt;
  std::vector<unsigned char> bytes(chunk.length);
  ReadAt(data, chunk.body, bytes);
  return bytes;
}

// "fmt ": the reader takes its first 16 bytes (40 of a long one), and
// refuses a shorter chunk, or one the file does not hold, itself. The
// ADPCM fields for the playing time follow the first 16.
std::string CheckFormatChunk(SDL_RWops* data, Sint64 size, const Chunk& chunk, std::optional<Format>& format) {
  const std::uint32_t taken = chunk.length >= 40 ? 40 : 16;
  if (chunk.length < 16 || chunk.body + taken > size) return {};
  std::vector<unsigned char> bytes(static_cast<std::size_t>(std::min<Sint64>({chunk.length, 40, size - chunk.body})));
  ReadAt(data, chunk.body, bytes);
  format = ReadFormat(bytes);
  if (format->channels == 0) return "Invalid number of channels";
  if (format->channels > 255) return "Number of channels exceeds limit of 255";
  if (format->rate == 0) return "Invalid sample rate";
  // SDL's resampler works in 32-bit sums that a rate beyond any real one
  // overflows.
  if (format->rate > kHighestRate) return "Sample rate exceeds limit of 768000";
  return {};
}

// "smpl": 36 bytes of sampler fields, the loop count among them, then 24
// per loop. The forward loops are kept to be checked against the samples.
std::string CheckSamplerChunk(SDL_RWops* data, Sint64 size, const Chunk& chunk, std::vector<Loop>& loops) {
  const std::optional<std::vector<unsigned char>> bytes = ReadWholeChunk(data, size, chunk);
  if (!bytes) return kCutShort;
  if (chunk.length < 36) return kDamagedLoops;
  const std::uint32_t count = LittleEndian(&(*bytes)[28], 4);
  if (count > (chunk.length - 36) / 24) return kDamagedLoops;
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* loop = &(*bytes)[36 + 24 * i];
    if (LittleEndian(loop + 4, 4) == 0) loops.push_back({LittleEndian(loop + 8, 4), LittleEndian(loop + 12, 4)});
  }
  return {};
}

// "LIST": the tags of an "INFO" list.
std::string CheckListChunk(SDL_RWops* data, Sint64 size, const Chunk& chunk) {
  const std::optional<std::vector<unsigned char>> bytes = ReadWholeChunk(data, size, chunk);
  if (!bytes) return kCutShort;
  return InfoListIsSafe(*bytes) ? std::string() : kDamagedTags;
}

// "id3 ": an ID3v2 tag, read as from an MP3 file.
std::string CheckId3Chunk(SDL_RWops* data, Sint64 size, const Chunk& chunk) {
  if (chunk.end() > size) return kCutShort;
  std::array<unsigned char, 10> head{};
  const std::size_t got = ReadAt(data, chunk.body, std::span(head).first(std::min<std::size_t>(chunk.length, head.size())));
  if (!StartsReadableId3v2(std::span(head.data(), got), Sint64{chunk.length} + 1)) return {};
  return Id3v2TagProblem(data, chunk.body, chunk.length).empty() ? std::string() : kDamagedTags;
}

// One chunk, by its kind; the reader skips the kinds it does not know.
std::string CheckChunk(SDL_RWops* data, Sint64 size, const Chunk& chunk, Walk& walk) {
  switch (chunk.type) {
    case Tag("data"): walk.samples = chunk; return {};
    case Tag("fmt "): return CheckFormatChunk(data, size, chunk, walk.format);
    case Tag("smpl"): return CheckSamplerChunk(data, size, chunk, walk.loops);
    case Tag("LIST"): return CheckListChunk(data, size, chunk);
    case Tag("id3 "): return CheckId3Chunk(data, size, chunk);
    default: return {};
  }
}

// Forward loops replay a stretch of the samples; one that ends outside
// them would have the reader read backwards.
std::string CheckLoops(const Format& format, const Chunk& samples, const std::vector<Loop>& loops) {
  const std::uint64_t frame = DecodedFrameBytes(format);
  if (frame == 0) return {};
  for (const Loop& loop : loops) {
    const std::uint64_t first = std::uint64_t{loop.start} * frame;
    const std::uint64_t last = (std::uint64_t{loop.end} + 1) * frame;
    if (loop.start > loop.end || last > UINT32_MAX || samples.body + static_cast<Sint64>(last) > samples.end() ||
        first >= last) {
      return kDamagedLoops;
    }
  }
  return {};
}

}  // namespace

SoundCheck CheckWave(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  Walk walk;
  for (Sint64 at = kFirstChunk; at < size;) {
    const Chunk chunk = ReadChunkHeader(data, at);
    if (chunk.length == 0) break;
    at = chunk.end();
    if (std::string problem = CheckChunk(data, size, chunk, walk); !problem.empty()) return {problem};
  }
  if (!walk.format || !walk.samples) return {};  // the readers name what is missing
  if (std::string problem = CheckLoops(*walk.format, *walk.samples, walk.loops); !problem.empty()) return {problem};
  // Timed by the samples the file claims, which a player that decodes the
  // sound whole sets memory aside for, even when the file holds fewer.
  return {{}, PlayingSeconds(*walk.format, walk.samples->length)};
}

}  // namespace trimbol::media
