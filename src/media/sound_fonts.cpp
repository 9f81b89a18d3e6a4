// Chooses the General MIDI soundfont the MIDI synthesiser plays with.
#include "media/sound_fonts.h"

#include <SDL.h>
#include <unistd.h>

namespace trimbol::media {

std::string ChooseSoundFonts() {
  // The variable SDL_mixer's MIDI players read, and so where users put their
  // choice.
  if (const char* chosen = SDL_getenv("SDL_SOUNDFONTS"); chosen != nullptr && *chosen != '\0') return chosen;
  // default-GM.sf2 is Debian's pointer to the best installed font;
  // TimGM6mb is the small one the game depends on.
  static constexpr const char* kInstalledFonts[] = {
      "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",
  };
  for (const char* font : kInstalledFonts) {
    if (::access(font, R_OK) == 0) return font;
  }
  // None found: a MIDI file then fails to open, and says so.
  return {};
}

}  // namespace trimbol::media
