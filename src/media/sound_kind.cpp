// Recognises the three kinds of sound the game plays from a file's first
// bytes.
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

}  // namespace trimbol::media
