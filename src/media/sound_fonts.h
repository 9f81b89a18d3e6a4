// Chooses the General MIDI soundfont the MIDI synthesiser plays with.
#pragma once

#include <string>

namespace trimbol::media {

// Chooses by name only; nothing is loaded. The user's SDL_SOUNDFONTS wins;
// otherwise the first General MIDI font that Debian installs is used.
// Returns the chosen fonts, colon-separated; empty when none is installed.
std::string ChooseSoundFonts();

}  // namespace trimbol::media
