// Playing one file on one player: the file is checked, the output must be
// there, SDL_mixer loads the sound from a stream the player keeps, and the
// sound starts.
#include "media/player.h"

#include <string>

#include "media/open_failure.h"

namespace trimbol::media {
namespace {

// A sound decoded whole before it starts costs the time and memory of its
// playing time, and a MIDI file the synthesiser's work for all of it: twenty
// seconds is far beyond any effect or result sound and still decoded at once.
constexpr int kLongestDecodedSeconds = 20;

Mix_MusicType MusicType(SoundKind kind) {
  switch (kind) {
    case SoundKind::kWave: return MUS_WAV;
    case SoundKind::kMp3: return MUS_MP3;
    case SoundKind::kMidi: return MUS_MID;
    case SoundKind::kUnknown: break;
  }
  return MUS_NONE;
}

}  // namespace

void Player::Play(const std::string& file) {
  Close();
  SoundFile sound = OpenSoundFile(file);
  if (!Streams() && PlayingSeconds(sound) > kLongestDecodedSeconds) {
    throw OpenFailure(file, "the sound plays longer than " + std::to_string(kLongestDecodedSeconds) + " seconds");
  }
  // The file is checked first: a missing file fails the same with or
  // without an output.
  if (!output_.Open()) throw OpenFailure(file, output_.Failure());
  SDL_ClearError();
  // SDL_mixer only borrows the stream: it does not close every stream it is
  // told to on every failure, so the player closes it itself.
  if (Streams()) {
    music_ = Mix_LoadMUSType_RW(sound.data.get(), MusicType(sound.kind), 0);
    if (music_ == nullptr) throw OpenFailure(file, SDL_GetError());
    stream_ = std::move(sound.data);
  } else {
    chunk_ = Mix_LoadWAV_RW(sound.data.get(), 0);
    if (chunk_ == nullptr) throw OpenFailure(file, SDL_GetError());
  }
  file_ = file;
  // A failure to start is not reported: the file did open.
  if (Streams()) {
    Mix_PlayMusic(music_, 0);
  } else {
    Mix_PlayChannel(channel_, chunk_, 0);
  }
}

void Player::Close() {
  if (music_ != nullptr) {
    Mix_FreeMusic(music_);  // stops it first
    music_ = nullptr;
  }
  stream_.reset();
  if (chunk_ != nullptr) {
    Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
  }
  file_.clear();
}

bool Player::IsPlaying() const {
  if (Streams()) return music_ != nullptr && Mix_PlayingMusic() != 0;
  return chunk_ != nullptr && Mix_Playing(channel_) != 0 && Mix_GetChunk(channel_) == chunk_;
}

}  // namespace trimbol::media
