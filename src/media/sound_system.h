// What the window needs of the sound players. The game's executable sees
// only this: the players and SDL2_mixer with its dozens of libraries live in
// a module that is loaded at the first play, so they cost the start of the
// game nothing. Tests use MediaPlayers, which implements it, directly.
#pragma once

#include <string>

#include "engine/sound_player.h"

namespace trimbol::media {

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;

  // Closes what the player had open, opens `file` (a path as given) anew and
  // starts it. Throws trimbol::FileError naming the file when it cannot be
  // opened.
  virtual void Play(SoundPlayer player, const std::string& file) = 0;
  // Lets the sound output go once the players have been idle long enough;
  // returns whether it is still open, and so wants asking again.
  virtual bool ReleaseWhenIdle() = 0;
  virtual bool IsOutputOpen() const = 0;
  // True when a device was looked for and none was found.
  virtual bool FellBackToSilence() const = 0;
};

// The module's one entry point, looked up by this name.
inline constexpr const char* kCreateSoundSystem = "trimbol_create_sound_system";
using CreateSoundSystem = SoundSystem* (*)();

}  // namespace trimbol::media
