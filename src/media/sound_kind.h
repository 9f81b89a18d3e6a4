// Recognises the three kinds of sound the game plays from a file's first
// bytes, and checks that a MIDI file is whole.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <span>
#include <string>

namespace trimbol::media {

enum class SoundKind { kUnknown, kWave, kMp3, kMidi };

// How many leading bytes SniffSoundKind wants to see.
inline constexpr std::size_t kSniffLength = 12;

SoundKind SniffSoundKind(std::span<const unsigned char> head);

// Returns what is wrong with the standard MIDI file in `data` (read from its
// start), or an empty text when its header and every track are all there.
// The synthesiser accepts a broken MIDI file on open and then plays nothing,
// so the damage has to be found here.
std::string MidiFileProblem(SDL_RWops* data);

}  // namespace trimbol::media
