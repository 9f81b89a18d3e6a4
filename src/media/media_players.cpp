// The game's three sound players over one sound output.
#include "media/media_players.h"

#include <array>
#include <atomic>
#include <stdexcept>

#include "media/audio_output.h"
#include "media/player.h"

namespace trimbol::media {
namespace {

std::atomic<bool> one_exists{false};

}  // namespace

// Declared in this order so the players close their files before the output
// closes beneath them. By SoundPlayer: the music streams from the music
// slot, the effects and the results each own a channel.
struct MediaPlayers::Output {
  AudioOutput output;
  std::array<Player, kSoundPlayers> players{Player(output, Player::kMusicSlot), Player(output, 0),
                                            Player(output, 1)};

  Player& operator[](SoundPlayer player) { return players[static_cast<std::size_t>(player)]; }
};

MediaPlayers::MediaPlayers() {
  if (one_exists.exchange(true)) {
    throw std::logic_error("only one MediaPlayers may exist at a time");
  }
  try {
    output_ = std::make_unique<Output>();
  } catch (...) {
    one_exists = false;
    throw;
  }
}

MediaPlayers::~MediaPlayers() {
  output_.reset();
  one_exists = false;
}

void MediaPlayers::Play(SoundPlayer player, const std::string& file) { (*output_)[player].Play(file); }

bool MediaPlayers::HasAudioDevice() const { return output_->output.IsAudible(); }

const std::string& MediaPlayers::OpenFile(SoundPlayer player) const { return (*output_)[player].OpenFile(); }

bool MediaPlayers::IsPlaying(SoundPlayer player) const { return (*output_)[player].IsPlaying(); }

}  // namespace trimbol::media
