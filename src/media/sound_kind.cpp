// The kinds of sound the game plays.
#include "media/sound_kind.h"

#include <cstring>

#include "media/midi_check.h"
#include "media/mp3_check.h"
#include "media/wave_check.h"

namespace trimbol::media {
namespace {

bool StartsWith(std::span<const unsigned char> bytes, std::size_t at, const char* tag) {
  const std::size_t length = std::strlen(tag);
  return bytes.size() >= at + length && std::memcmp(bytes.data() + at, tag, length) == 0;
}

bool IsWave(std::span<const unsigned char> head) { return StartsWith(head, 0, "RIFF") && StartsWith(head, 8, "WAVE"); }

// An ID3 tag, or the sync word of an MPEG layer III frame: the same test
// SDL_mixer makes, so the music and the effect players agree on a file.
bool IsMp3(std::span<const unsigned char> head) {
  return StartsWith(head, 0, "ID3") || (head.size() >= 2 && head[0] == 0xFF && (head[1] & 0xE6) == 0xE2);
}

bool IsMidi(std::span<const unsigned char> head) { return StartsWith(head, 0, "MThd"); }

}  // namespace

const std::array<SoundKind, 3> kSoundKinds = {{
    {"WAV", IsWave, CheckWave, nullptr, MUS_WAV, 0},
    {"MP3", IsMp3, CheckMp3, Mp3PlayingSeconds, MUS_MP3, MIX_INIT_MP3},
    {"MIDI", IsMidi, CheckMidi, nullptr, MUS_NONE, 0},
}};

const SoundKind* SniffSoundKind(std::span<const unsigned char> head) {
  for (const SoundKind& kind : kSoundKinds) {
    if (kind.sniff(head)) return &kind;
  }
  return nullptr;
}

std::string NotASoundProblem() {
  std::string names;
  for (std::size_t i = 0; i < kSoundKinds.size(); ++i) {
    if (i > 0) names += i + 1 == kSoundKinds.size() ? " or " : ", ";
    names += kSoundKinds[i].name;
  }
  return "not a " + names + " sound";
}

int MixerDecoderFlags() {
  int flags = 0;
  for (const SoundKind& kind : kSoundKinds) flags |= kind.decoderFlag;
  return flags;
}

}  // namespace trimbol::media
