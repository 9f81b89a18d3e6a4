// The sound players as the game's executable gets them: from the sound
// module, loaded at the first use, so that SDL2_mixer and the libraries
// behind it are not loaded before the window shows, nor at all by a game
// that plays no sound.
#pragma once

#include <memory>
#include <string>

#include "media/sound_system.h"

namespace trimbol::app {

class SoundModule final : public media::SoundSystem {
 public:
  // `path`: the module's file.
  explicit SoundModule(std::string path) : path_(std::move(path)) {}
  ~SoundModule() override;

  // Where the module lies beside the running game.
  static std::string InstalledPath();

  // Each loads the module first; when it cannot be loaded, a play fails
  // with an error that names the file and says why.
  void Play(SoundPlayer player, const std::string& file) override;
  bool ReleaseWhenIdle() override;
  bool IsOutputOpen() const override;
  bool FellBackToSilence() const override;

 private:
  media::SoundSystem* Load();

  std::string path_;
  void* handle_ = nullptr;
  std::unique_ptr<media::SoundSystem> players_;
  std::string failure_;
};

}  // namespace trimbol::app
