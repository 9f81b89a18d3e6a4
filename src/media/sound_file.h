// Opens a sound file by name for one of the players and checks, before SDL
// sees it, that it is a readable, non-empty file of a kind the game plays.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "media/sound_kind.h"

namespace trimbol::media {

struct RwCloser {
  void operator()(SDL_RWops* data) const { SDL_RWclose(data); }
};
using RwPointer = std::unique_ptr<SDL_RWops, RwCloser>;

struct SoundFile {
  RwPointer data;  // positioned at the start of the file
  SoundKind kind = SoundKind::kUnknown;
};

// Throws FileError naming `file` when it cannot be opened as a sound.
SoundFile OpenSoundFile(const std::string& file);

}  // namespace trimbol::media
