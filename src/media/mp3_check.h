// Checks an MP3 file's tags before SDL_mixer reads them, and works out how
// long it plays from its frame headers.
#pragma once

#include <SDL.h>

#include "media/sound_kind.h"

namespace trimbol::media {

// What is wrong with the tags SDL_mixer would read; the playing time is
// left to Mp3PlayingSeconds, which reads the whole file.
SoundCheck CheckMp3(SDL_RWops* data);

// Counts every frame header the decoder could find, also past damaged
// stretches, so the time it gives is never shorter than what is decoded.
double Mp3PlayingSeconds(SDL_RWops* data);

}  // namespace trimbol::media
