// Chooses the General MIDI soundfont the MIDI synthesiser plays with.
#pragma once

#include <string>

namespace trimbol::media {

// Chooses by name only; nothing is loaded. The user's SDL_SOUNDFONTS wins;
// otherwise the first General MIDI font that Debian installs is used.
// Returns the chosen fonts, colon-separated; empty when none is installed.
std::string ChooseSoundFonts();

// Empty when one of the chosen soundfonts can be read; otherwise says so.
// The synthesiser opens a MIDI file without any font and then plays silence,
// so this is checked before a MIDI file is opened.
std::string SoundFontProblem();

}  // namespace trimbol::media
