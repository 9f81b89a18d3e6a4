// Recognises the three kinds of sound the game plays from a file's first
// bytes, and says what a check of a file's inside found.
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace trimbol::media {

enum class SoundKind { kUnknown, kWave, kMp3, kMidi };

// How many leading bytes SniffSoundKind wants to see.
inline constexpr std::size_t kSniffLength = 12;

SoundKind SniffSoundKind(std::span<const unsigned char> head);

// What a check of a file's structure found, before SDL is given the file.
struct SoundCheck {
  std::string problem;  // empty when SDL may be given the file
  double seconds = 0;   // how long the file plays, as far as its structure tells
};

}  // namespace trimbol::media
