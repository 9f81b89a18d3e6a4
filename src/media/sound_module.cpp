// The sound module's entry point: the game loads the module at its first
// play and makes its players with this.
#include "media/media_players.h"

extern "C" trimbol::media::SoundSystem* trimbol_create_sound_system() {
  return new trimbol::media::MediaPlayers();
}
