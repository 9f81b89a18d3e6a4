// The game's three sound players: music on the digit keys, effects, and the
// result sounds. Each plays one file at a time; the three overlap freely.
#pragma once

#include <memory>
#include <string>

#include "engine/file_error.h"

namespace trimbol::media {

enum class Player { kMusic, kEffect, kResult };

// Only one may exist at a time: the players share SDL's one mixer.
class MediaPlayers {
 public:
  MediaPlayers();  // opens the sound output; never fails for lack of a device
  ~MediaPlayers();
  MediaPlayers(const MediaPlayers&) = delete;
  MediaPlayers& operator=(const MediaPlayers&) = delete;

  // Each closes whatever its player had open, which stops it, opens `file`
  // (UTF-8, relative to the working directory) anew, starts it from the
  // beginning and returns at once. A file that cannot be opened throws
  // trimbol::FileError naming it; the player is then left with nothing open.
  // WAV, MP3 and MIDI files play on all three.
  void PlayMusic(const std::string& file);        // MediaPlayer1
  void PlayEffect(const std::string& file);       // MediaPlayer2
  void PlayResultSound(const std::string& file);  // MediaPlayer3

  // Closes whatever each player has open, which stops it.
  void CloseAll();

  // False when the players run silently on SDL's "dummy" driver: no device
  // could be opened, or SDL_AUDIODRIVER asked for it. Files are still checked.
  bool HasAudioDevice() const;

  // The file a player has open (empty when none) and whether it still sounds.
  const std::string& OpenFile(Player player) const;
  bool IsPlaying(Player player) const;

 private:
  struct Players;
  std::unique_ptr<Players> players_;
};

}  // namespace trimbol::media
