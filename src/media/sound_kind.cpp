// Recognises the three kinds of sound the game plays from a file's first
// bytes, and checks that a MIDI file is whole.
#include "media/sound_kind.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace trimbol::media {
namespace {

bool StartsWith(std::span<const unsigned char> bytes, std::size_t at, const char* tag) {
  const std::size_t length = std::strlen(tag);
  return bytes.size() >= at + length && std::memcmp(bytes.data() + at, tag, length) == 0;
}

std::uint32_t BigEndian(const unsigned char* p, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | p[i];
  return value;
}

}  // namespace

SoundKind SniffSoundKind(std::span<const unsigned char> head) {
  if (StartsWith(head, 0, "RIFF") && StartsWith(head, 8, "WAVE")) return SoundKind::kWave;
  if (StartsWith(head, 0, "MThd")) return SoundKind::kMidi;
  // An ID3 tag, or the sync word of an MPEG layer III frame: the same test
  // SDL_mixer makes, so the music and the effect players agree on a file.
  if (StartsWith(head, 0, "ID3")) return SoundKind::kMp3;
  if (head.size() >= 2 && head[0] == 0xFF && (head[1] & 0xE6) == 0xE2) return SoundKind::kMp3;
  return SoundKind::kUnknown;
}

std::string MidiFileProblem(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  std::array<unsigned char, 14> header{};
  if (SDL_RWread(data, header.data(), 1, header.size()) != header.size()) {
    return "the MIDI file is cut short";
  }
  const std::uint32_t header_length = BigEndian(&header[4], 4);
  const std::uint32_t track_count = BigEndian(&header[10], 2);
  if (header_length < 6) return "the MIDI file's header is damaged";
  if (track_count == 0) return "the MIDI file holds no tracks";

  // Walk the chunks after the header; each declared length must fit inside
  // the file until all the tracks the header promises have been seen.
  Sint64 at = 8 + Sint64{header_length};
  std::uint32_t tracks_seen = 0;
  while (tracks_seen < track_count) {
    std::array<unsigned char, 8> chunk{};
    if (at + 8 > size || SDL_RWseek(data, at, RW_SEEK_SET) < 0 ||
        SDL_RWread(data, chunk.data(), 1, chunk.size()) != chunk.size()) {
      return "the MIDI file is cut short";
    }
    at += 8 + Sint64{BigEndian(&chunk[4], 4)};
    if (at > size) return "the MIDI file is cut short";
    if (std::memcmp(chunk.data(), "MTrk", 4) == 0) ++tracks_seen;
  }
  return {};
}

}  // namespace trimbol::media
