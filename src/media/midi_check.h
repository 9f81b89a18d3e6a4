// Checks a standard MIDI file before the synthesiser sees it, and works out
// how long it plays.
#pragma once

#include <SDL.h>

#include "media/sound_kind.h"

namespace trimbol::media {

// The synthesiser accepts a broken MIDI file on open and then plays nothing,
// so the damage is found here: a header or track that is cut short, no
// tracks, or track data that is not a sequence of MIDI events.
SoundCheck CheckMidi(SDL_RWops* data);

}  // namespace trimbol::media
