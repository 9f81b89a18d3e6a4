// Opens a sound file by name for one of the players and checks, before SDL
// sees it, that it is a readable, non-empty, undamaged file of a kind the
// game plays.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "media/sound_kind.h"

namespace trimbol::media {

struct RwCloser {
  void operator()(SDL_RWops* data) const { SDL_RWclose(data); }
};
// The players keep the stream themselves and lend it to SDL_mixer, which
// does not close every stream it is told to on every failure.
using RwPointer = std::unique_ptr<SDL_RWops, RwCloser>;

struct SoundFile {
  RwPointer data;  // positioned at the start of the file
  const SoundKind* kind = nullptr;
  double seconds = 0;  // playing time, when the check could tell; else ask PlayingSeconds
};

// Throws FileError naming `file` when it cannot be opened as a sound.
SoundFile OpenSoundFile(const std::string& file);

// How long the sound plays. For an MP3 this reads the whole file.
double PlayingSeconds(SoundFile& sound);

}  // namespace trimbol::media
