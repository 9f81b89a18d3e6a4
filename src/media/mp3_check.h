// Works out how long an MP3 file plays, from its frame headers.
#pragma once

#include <SDL.h>

#include "media/sound_kind.h"

namespace trimbol::media {

// Counts every frame header the decoder could find, also past damaged
// stretches, so the time it gives is never shorter than what is decoded.
SoundCheck CheckMp3(SDL_RWops* data);

}  // namespace trimbol::media
