// The game's three sound players: music on the digit keys, effects, and the
// result sounds. Each plays one file at a time; the three overlap freely.
// The sound output beneath them is open only while they have something to
// play.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/file_error.h"
#include "engine/sound_player.h"
#include "media/sound_system.h"

namespace trimbol::media {

class AudioOutput;

// Only one may exist at a time: the players share SDL's one mixer.
class MediaPlayers final : public SoundSystem {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  // The output is let go once no player has had anything playing for this
  // long: longer than a pause between moves, so a game in play keeps it.
  static constexpr std::chrono::seconds kIdleRelease{10};

  // Opens nothing: no device is looked for before the first play.
  explicit MediaPlayers(Clock clock = std::chrono::steady_clock::now);
  // For tests: how the output's mixer is opened (see AudioOutput::OpenMixer).
  MediaPlayers(Clock clock, std::function<bool(const char* driver)> openMixer);
  ~MediaPlayers() override;
  MediaPlayers(const MediaPlayers&) = delete;
  MediaPlayers& operator=(const MediaPlayers&) = delete;

  // Closes whatever the player had open, which stops it, opens `file`
  // (UTF-8, a path as given) anew, starts it from the beginning and returns
  // at once; the output is opened first when it is closed. A file that
  // cannot be opened throws trimbol::FileError naming it; the player is then
  // left with nothing open. WAV, MP3 and MIDI files play on all three.
  void Play(SoundPlayer player, const std::string& file) override;
  // Closes what the player has open, which stops it.
  void Close(SoundPlayer player);

  // Closes the output when no player has had anything playing for
  // kIdleRelease. Returns whether it is still open, and so wants asking again.
  bool ReleaseWhenIdle() override;
  bool IsOutputOpen() const override;

  // False while the players run silently on SDL's "dummy" driver: no device
  // could be opened, or SDL_AUDIODRIVER asked for it. Files are still checked.
  bool HasAudioDevice() const;
  // True when a device was looked for and none was found.
  bool FellBackToSilence() const override;

  // The file a player has open (empty when none) and whether it still sounds.
  const std::string& OpenFile(SoundPlayer player) const;
  bool IsPlaying(SoundPlayer player) const;
  // The soundfont files the player's MIDI synthesiser has loaded, as it
  // names them; none before the player's first MIDI file.
  std::vector<std::string> LoadedSoundFonts(SoundPlayer player) const;

 private:
  struct Output;
  std::unique_ptr<Output> output_;
};

}  // namespace trimbol::media
