// The game's three sound players: music on the digit keys, effects, and the
// result sounds. Each plays one file at a time; the three overlap freely.
#include "media/media_players.h"

#include <atomic>
#include <stdexcept>

#include "media/audio_output.h"
#include "media/chunk_channel.h"
#include "media/music_slot.h"

namespace trimbol::media {
namespace {

constexpr int kEffectChannel = 0;
constexpr int kResultChannel = 1;

std::atomic<bool> one_exists{false};

}  // namespace

// Declared in this order so the players close their files before the output
// closes beneath them.
struct MediaPlayers::Players {
  AudioOutput output;
  MusicSlot music{output};
  ChunkChannel effects{output, kEffectChannel};
  ChunkChannel results{output, kResultChannel};
};

MediaPlayers::MediaPlayers() {
  if (one_exists.exchange(true)) {
    throw std::logic_error("only one MediaPlayers may exist at a time");
  }
  try {
    players_ = std::make_unique<Players>();
  } catch (...) {
    one_exists = false;
    throw;
  }
}

MediaPlayers::~MediaPlayers() {
  players_.reset();
  one_exists = false;
}

void MediaPlayers::PlayMusic(const std::string& file) { players_->music.Play(file); }

void MediaPlayers::PlayEffect(const std::string& file) { players_->effects.Play(file); }

void MediaPlayers::PlayResultSound(const std::string& file) { players_->results.Play(file); }

void MediaPlayers::CloseAll() {
  players_->music.Close();
  players_->effects.Close();
  players_->results.Close();
}

bool MediaPlayers::HasAudioDevice() const { return players_->output.IsAudible(); }

const std::string& MediaPlayers::OpenFile(Player player) const {
  switch (player) {
    case Player::kMusic: return players_->music.OpenFile();
    case Player::kEffect: return players_->effects.OpenFile();
    case Player::kResult: break;
  }
  return players_->results.OpenFile();
}

bool MediaPlayers::IsPlaying(Player player) const {
  switch (player) {
    case Player::kMusic: return players_->music.IsPlaying();
    case Player::kEffect: return players_->effects.IsPlaying();
    case Player::kResult: break;
  }
  return players_->results.IsPlaying();
}

}  // namespace trimbol::media
