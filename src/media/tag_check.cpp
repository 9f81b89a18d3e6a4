// The walks of SDL_mixer 2.6's MP3 tag reader, with its buffer sizes, and
// the places where it would leave its buffers; where an ID3v2 tag ends.
#include "media/tag_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "media/file_bytes.h"

namespace trimbol::media {
namespace {

constexpr std::size_t kFrameBuffer = 1024;  // the reader's buffer for one ID3v2 frame
constexpr std::size_t kApeBuffer = 256;     // and for one APE item, plus its end
constexpr std::uint32_t kApeV1 = 1000, kApeV2 = 2000;
constexpr std::uint32_t kMostApeItems = 4096;

// UTF-16 text is converted with two zero bytes appended as its end. The
// converter skips a single byte at a half of a surrogate pair, and after that
// or after an odd number of bytes the zeros no longer make a character: the
// text comes out without its end.
bool Utf16IsSafe(const unsigned char* text, std::size_t length, bool bigEndianUnlessMarked) {
  if (length % 2 != 0) return false;
  const bool marked = length >= 2 && ((text[0] == 0xFF && text[1] == 0xFE) || (text[0] == 0xFE && text[1] == 0xFF));
  const bool little = marked && text[0] == 0xFF;
  const bool bothWays = !marked && !bigEndianUnlessMarked;  // the converter's own byte order is not ours to know
  auto surrogate = [](unsigned char high) { return high >= 0xD8 && high <= 0xDF; };
  for (std::size_t i = 0; i < length; i += 2) {
    const unsigned char high = little ? text[i + 1] : text[i];
    const unsigned char low = little ? text[i] : text[i + 1];
    if (surrogate(high) || (bothWays && surrogate(low))) return false;
  }
  return true;
}

// One text frame's bytes as the reader decodes them: `valid` bytes read
// from the file at the start of its buffer, `size` the length it believes.
bool TextIsSafe(const unsigned char* buffer, std::size_t valid, std::size_t size) {
  if (size <= 2) return true;
  const bool read = valid >= 1;  // otherwise the encoding byte is what the buffer held before
  const unsigned char encoding = read ? buffer[0] : 0xFF;
  const bool copies = !read || encoding <= 2;  // Latin-1 and the UTF-16 forms copy `size` bytes
  if (copies && size > kFrameBuffer) return false;
  if (!read || encoding == 3) {  // UTF-8 is copied up to its first zero byte
    return std::find(buffer + 1, buffer + std::max<std::size_t>(valid, 1), 0) != buffer + std::max<std::size_t>(valid, 1);
  }
  if (encoding == 1 || encoding == 2) return Utf16IsSafe(buffer + 1, size - 1, encoding == 2);
  return true;
}

bool ShownKey(std::string_view key, bool version2) {
  static constexpr std::string_view kV2[] = {"TT2", "TP1", "TAL", "TCR"};
  static constexpr std::string_view kV3[] = {"TIT2", "TPE1", "TALB", "TCOP"};
  if (version2) return std::find(std::begin(kV2), std::end(kV2), key) != std::end(kV2);
  return std::find(std::begin(kV3), std::end(kV3), key) != std::end(kV3);
}

}  // namespace

std::size_t Id3v2TagLength(std::span<const unsigned char> head) {
  if (head.size() < 10 || std::memcmp(head.data(), "ID3", 3) != 0) return 0;
  const std::size_t length =
      10 + ((head[6] & 0x7Fu) << 21 | (head[7] & 0x7Fu) << 14 | (head[8] & 0x7Fu) << 7 | (head[9] & 0x7Fu));
  return head[5] & 0x10 ? length + 10 : length;
}

bool StartsReadableId3v2(std::span<const unsigned char> head, Sint64 length) {
  std::size_t end = Id3v2TagLength(head);
  if (end == 0 || head[3] == 0xFF || head[4] == 0xFF) return false;
  // The reader takes no size with a top bit set; without one, it reads the
  // size as the decoder does.
  if ((head[6] | head[7] | head[8] | head[9]) & 0x80) return false;
  // After the tag and its footer, the zero bytes of padding.
  while (end < head.size() && head[end] == 0) ++end;
  return static_cast<Sint64>(end) < length;
}

std::string Id3v2TagProblem(SDL_RWops* data, Sint64 start, Sint64 length) {
  // Reads as the reader does: within the stream, what lies past its end as nothing.
  auto read = [&](Sint64 at, std::span<unsigned char> out) -> std::size_t {
    if (at < 0 || at >= length) return 0;
    const std::size_t wanted = static_cast<std::size_t>(std::min<Sint64>(static_cast<Sint64>(out.size()), length - at));
    return ReadAt(data, start + at, out.first(wanted));
  };
  std::array<unsigned char, 10> header{};
  if (read(0, header) < header.size()) return {};
  const int version = header[3];
  const unsigned char flags = header[5];
  const Sint64 tagLength = Synchsafe(&header[6]);
  if (version < 2 || version > 4) return {};

  Sint64 at = 10, total = 10;
  if (version > 2 && (flags & 0x40)) {  // an extended header
    std::array<unsigned char, 4> size{};
    read(at, size);
    if (const Sint64 extended = Synchsafe(size.data()); extended != 0) {
      total += extended + 4;
      at += extended + 4;
    }
  }
  total += tagLength;
  if (flags & 0x10) total += 10;  // a footer
  if (at + tagLength > length) return {};  // the reader gives up on such a tag

  const std::size_t headerSize = version == 2 ? 6 : 10;
  std::array<unsigned char, kFrameBuffer> buffer{};
  while (at >= 0 && at < total) {
    const Sint64 frame = at;
    std::array<unsigned char, 10> frameHeader{};
    if (read(at, std::span(frameHeader).first(headerSize)) < headerSize) break;
    if (std::all_of(frameHeader.begin(), frameHeader.begin() + (version == 2 ? 3 : 4), [](unsigned char c) { return c == 0; })) {
      break;
    }
    const std::string_view key(reinterpret_cast<const char*>(frameHeader.data()), version == 2 ? 3 : 4);
    const std::uint32_t size = version == 2   ? BigEndian(&frameHeader[3], 3)
                               : version == 4 ? Synchsafe(&frameHeader[4])
                                              : BigEndian(&frameHeader[4], 4);
    const std::size_t wanted = std::min<std::size_t>(size, kFrameBuffer);
    const std::size_t valid = read(at + static_cast<Sint64>(headerSize), std::span(buffer).first(wanted));
    at = size < kFrameBuffer ? at + static_cast<Sint64>(headerSize + valid) : frame + size;
    // Version 2 frames are decoded at the length read, the others at the length given.
    if (ShownKey(key, version == 2) && !TextIsSafe(buffer.data(), valid, version == 2 ? valid : size)) {
      return "the MP3 file's ID3 tag is damaged";
    }
  }
  return {};
}

std::string ApeTagProblem(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  // Find each "APETAGEX", a block at a time, keeping an overlap for a name
  // that straddles two blocks.
  constexpr std::string_view kId = "APETAGEX";
  std::vector<Sint64> places;
  std::vector<unsigned char> block(1 << 16);
  for (Sint64 at = 0; at < size; at += static_cast<Sint64>(block.size() - kId.size())) {
    const std::size_t got = ReadAt(data, at, block);
    for (auto it = block.begin(); (it = std::search(it, block.begin() + static_cast<std::ptrdiff_t>(got), kId.begin(), kId.end())) !=
                                  block.begin() + static_cast<std::ptrdiff_t>(got);
         ++it) {
      const Sint64 place = at + (it - block.begin());
      if (places.empty() || places.back() != place) places.push_back(place);
    }
    if (got < block.size()) break;
  }

  for (const Sint64 place : places) {
    std::array<unsigned char, 32> header{};
    if (ReadAt(data, place, header) < header.size()) continue;
    const std::uint32_t version = LittleEndian(&header[8], 4);
    if ((version != kApeV1 && version != kApeV2) ||
        !std::all_of(header.begin() + 24, header.end(), [](unsigned char c) { return c == 0; })) {
      continue;  // not a tag the reader would take
    }
    const std::uint32_t tagSize = LittleEndian(&header[12], 4);
    const std::uint32_t items = LittleEndian(&header[16], 4);
    // A header's items follow it; a footer's precede it.
    const Sint64 starts[] = {place + 32, tagSize >= 32 ? place - (tagSize - 32) : -1};
    for (Sint64 at : starts) {
      if (at < 0 || items == 0) continue;
      if (items > kMostApeItems) return "the MP3 file's APE tag is damaged";
      for (std::uint32_t i = 0; i < items; ++i) {
        std::array<unsigned char, 4> length{};
        if (ReadAt(data, at, length) < length.size()) break;
        const std::uint32_t valueSize = LittleEndian(length.data(), 4);
        std::array<unsigned char, kApeBuffer + 1> item{};
        const std::uint32_t wanted = valueSize + 40 < kApeBuffer ? valueSize + 40 : kApeBuffer;
        const std::size_t got = ReadAt(data, at + 4, std::span(item).first(wanted));
        // The key runs from byte 4 to its zero; read short, it is not known.
        const auto end = item.begin() + static_cast<std::ptrdiff_t>(got);
        const auto zero = got > 4 ? std::find(item.begin() + 4, end, 0) : item.end();
        const std::uint32_t keyLength = zero == item.end() ? kApeBuffer - 4 : static_cast<std::uint32_t>(zero - item.begin()) - 3;
        if (got > 4 && zero == end && got == kApeBuffer) break;  // no key: the reader stops
        // The value is ended in place, past the buffer for lengths just
        // below the room that is left; a reader that saw less of the file
        // finds a shorter key.
        if (valueSize + keyLength >= kApeBuffer - 3 && valueSize <= kApeBuffer - 1) {
          return "the MP3 file's APE tag is damaged";
        }
        at += 8 + static_cast<Sint64>(valueSize) + keyLength;
      }
    }
  }
  return {};
}

}  // namespace trimbol::media
