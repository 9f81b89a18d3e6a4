// The game's three sound players over one sound output, and when that
// output is let go.
#include "media/media_players.h"

#include <SDL.h>

#include <array>
#include <atomic>
#include <stdexcept>

#include "media/audio_output.h"
#include "media/player.h"
#include "media/sound_fonts.h"

namespace trimbol::media {
namespace {

std::atomic<bool> one_exists{false};

}  // namespace

// Declared in this order so the players close their files before the output
// closes beneath them. By SoundPlayer: the music streams from the music
// slot, the effects and the results each own a channel.
struct MediaPlayers::Output {
  // Every player but the music owns one mixer channel.
  static constexpr int kChannels = static_cast<int>(kSoundPlayers) - 1;

  Output(Clock now, AudioOutput::OpenMixer open) : now(std::move(now)), output(std::move(open), kChannels) {}

  Clock now;
  AudioOutput output;
  std::array<Player, kSoundPlayers> players{Player(output, Player::kMusicSlot), Player(output, 0),
                                            Player(output, 1)};
  static_assert(kSoundPlayers == 3, "one Player above for each SoundPlayer");
  std::chrono::steady_clock::time_point lastBusy{};

  Player& operator[](SoundPlayer player) { return players[static_cast<std::size_t>(player)]; }
};

MediaPlayers::MediaPlayers(Clock clock) : MediaPlayers(std::move(clock), AudioOutput::OpenSdlMixer) {}

MediaPlayers::MediaPlayers(Clock clock, std::function<bool(const char* driver)> openMixer) {
  if (one_exists.exchange(true)) {
    throw std::logic_error("only one MediaPlayers may exist at a time");
  }
  output_ = std::make_unique<Output>(std::move(clock), std::move(openMixer));
  // Only the name is chosen here; a player's synthesiser loads the font at
  // its first MIDI file.
  output_->output.UseSoundFonts(ChooseSoundFonts());
}

MediaPlayers::~MediaPlayers() {
  output_.reset();
  // SDL keeps a little state (its hints) until it is told to quit; the
  // players are its only user, and the sound module may be unloaded next.
  SDL_Quit();
  one_exists = false;
}

void MediaPlayers::Play(SoundPlayer player, const std::string& file) {
  output_->lastBusy = output_->now();
  (*output_)[player].Play(file);
}

void MediaPlayers::Close(SoundPlayer player) { (*output_)[player].Close(); }

bool MediaPlayers::ReleaseWhenIdle() {
  Output& o = *output_;
  if (!o.output.IsOpen()) return false;
  const auto now = o.now();
  for (const Player& player : o.players) {
    if (player.IsPlaying()) o.lastBusy = now;
  }
  if (now - o.lastBusy < kIdleRelease) return true;
  for (Player& player : o.players) player.Close();
  o.output.Close();
  return false;
}

bool MediaPlayers::IsOutputOpen() const { return output_->output.IsOpen(); }

bool MediaPlayers::HasAudioDevice() const { return output_->output.IsAudible(); }

bool MediaPlayers::FellBackToSilence() const { return output_->output.FellBackToSilence(); }

const std::string& MediaPlayers::OpenFile(SoundPlayer player) const { return (*output_)[player].OpenFile(); }

bool MediaPlayers::IsPlaying(SoundPlayer player) const { return (*output_)[player].IsPlaying(); }

std::vector<std::string> MediaPlayers::LoadedSoundFonts(SoundPlayer player) const {
  return (*output_)[player].LoadedSoundFonts();
}

}  // namespace trimbol::media
