// Checks a RIFF/WAVE file for what SDL_mixer's WAV readers would trip on:
// the streaming reader behind the music player divides by the channel count
// and trusts the lengths inside its tag and loop chunks.
#pragma once

#include <SDL.h>

#include "media/sound_kind.h"

namespace trimbol::media {

SoundCheck CheckWave(SDL_RWops* data);

}  // namespace trimbol::media
