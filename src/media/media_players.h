// The game's three sound players: music on the digit keys, effects, and the
// result sounds. Each plays one file at a time; the three overlap freely.
#pragma once

#include <memory>
#include <string>

#include "engine/file_error.h"
#include "engine/sound_player.h"

namespace trimbol::media {

// Only one may exist at a time: the players share SDL's one mixer.
class MediaPlayers {
 public:
  MediaPlayers();  // opens the sound output; never fails for lack of a device
  ~MediaPlayers();
  MediaPlayers(const MediaPlayers&) = delete;
  MediaPlayers& operator=(const MediaPlayers&) = delete;

  // Closes whatever the player had open, which stops it, opens `file`
  // (UTF-8, a path as given) anew, starts it from the beginning and returns
  // at once. A file that cannot be opened throws trimbol::FileError naming
  // it; the player is then left with nothing open. WAV, MP3 and MIDI files
  // play on all three.
  void Play(SoundPlayer player, const std::string& file);

  // False when the players run silently on SDL's "dummy" driver: no device
  // could be opened, or SDL_AUDIODRIVER asked for it. Files are still checked.
  bool HasAudioDevice() const;

  // The file a player has open (empty when none) and whether it still sounds.
  const std::string& OpenFile(SoundPlayer player) const;
  bool IsPlaying(SoundPlayer player) const;

 private:
  struct Output;
  std::unique_ptr<Output> output_;
};

}  // namespace trimbol::media
