// The kinds of sound the game plays, one row each: how a kind is recognised
// from a file's first bytes, how its structure is checked before a decoder
// sees it, and what decodes it.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace trimbol::media {

// What a check of a file's structure found, before a decoder is given the file.
struct SoundCheck {
  std::string problem;  // empty when the decoder may be given the file
  double seconds = 0;   // how long the file plays, as far as its structure tells
};

struct SoundKind {
  const char* name;  // as messages name it
  bool (*sniff)(std::span<const unsigned char> head);
  SoundCheck (*check)(SDL_RWops* data);
  // How long it plays when the check cannot tell without reading it all;
  // nullptr when the check tells.
  double (*seconds)(SDL_RWops* data);
  // SDL_mixer's type for it, and the flag Mix_Init loads its decoder with
  // (0: built in). MUS_NONE: the game's own MIDI synthesiser plays it.
  Mix_MusicType mixerType;
  int decoderFlag;

  bool Synthesised() const { return mixerType == MUS_NONE; }
};

extern const std::array<SoundKind, 3> kSoundKinds;

// How many leading bytes SniffSoundKind wants to see.
inline constexpr std::size_t kSniffLength = 12;

// The kind a file's first bytes announce; nullptr for none the game plays.
const SoundKind* SniffSoundKind(std::span<const unsigned char> head);
// "not a WAV, MP3 or MIDI sound", from the kinds' names.
std::string NotASoundProblem();
// The decoders SDL_mixer must load for the kinds it decodes.
int MixerDecoderFlags();

}  // namespace trimbol::media
