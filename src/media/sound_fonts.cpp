// Chooses the General MIDI soundfont the MIDI synthesiser plays with.
#include "media/sound_fonts.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

namespace trimbol::media {

std::string ChooseSoundFonts() {
  // Debian's SDL_mixer keeps a built-in default that outranks SDL_SOUNDFONTS,
  // so a user's choice has to be passed on explicitly to take effect.
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
  // None found: SDL_mixer keeps its own default, and SoundFontProblem says
  // so when a MIDI file is opened.
  return {};
}

std::string SoundFontProblem() {
  const char* chosen = Mix_GetSoundFonts();
  if (chosen == nullptr || *chosen == '\0') return "no MIDI soundfont is installed";
  // SDL_mixer separates several fonts with colons.
  std::string_view rest = chosen;
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const std::string font(rest.substr(0, colon));
    struct stat info{};
    if (::stat(font.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(font.c_str(), R_OK) == 0) {
      return {};
    }
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
  }
  return std::string("no MIDI soundfont can be read at ") + chosen;
}

}  // namespace trimbol::media
