// The game's sound as the window uses it. The players, SDL2_mixer and the
// dozens of libraries behind it live in the sound module, loaded with the
// first play, so a game that plays no sound never loads them. While the
// sound output is open, a check once a second lets it go when the players
// have been idle, so an idle game holds no device and wakes no audio thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <QTimer>

#include "engine/sound_player.h"

namespace trimbol::media {
class SoundSystem;
}

namespace trimbol::app {

class GameSound {
 public:
  // Plays through the sound module at `modulePath`, loaded at the first play.
  explicit GameSound(std::string modulePath);
  // Plays through players the program already holds (tests, benchmarks).
  explicit GameSound(media::SoundSystem& players);
  ~GameSound();
  GameSound(const GameSound&) = delete;
  GameSound& operator=(const GameSound&) = delete;

  // Where the module lies beside the running game.
  static std::string InstalledModulePath();

  // Plays the file on the player. Throws FileError naming the file when it
  // cannot be opened, or when the module cannot be loaded (saying why).
  void Play(SoundPlayer player, std::string_view file);

  const QTimer& releaseCheck() const { return releaseCheck_; }

 private:
  GameSound(std::string modulePath, media::SoundSystem* players);
  // The players, loading the module first; null when it cannot be loaded.
  media::SoundSystem* Players();
  void WatchOutput();

  std::string modulePath_;
  void* module_ = nullptr;
  std::unique_ptr<media::SoundSystem> ownPlayers_;  // made by the module
  media::SoundSystem* players_ = nullptr;
  std::string loadFailure_;
  QTimer releaseCheck_;
  bool toldSilent_ = false;
};

}  // namespace trimbol::app
