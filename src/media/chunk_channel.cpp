// An effects or result player: one reserved SDL_mixer channel playing a
// sound decoded whole into memory, so it overlaps the music and the other
// channel freely.
#include "media/chunk_channel.h"

#include "media/open_failure.h"
#include "media/sound_file.h"

namespace trimbol::media {

namespace {

// The whole sound is decoded before it starts, in the time and memory its
// playing time asks; a minute is far beyond any effect or result sound.
constexpr double kLongestSound = 60;

}  // namespace

void ChunkChannel::Play(const std::string& file) {
  Close();
  SoundFile sound = OpenSoundFile(file);
  if (PlayingSeconds(sound) > kLongestSound) throw OpenFailure(file, "the sound plays longer than a minute");
  if (!output_.IsOpen()) throw OpenFailure(file, output_.Failure());
  SDL_ClearError();
  // Decodes WAV, MP3 and (through the synthesiser) MIDI by their content.
  chunk_ = Mix_LoadWAV_RW(sound.data.get(), 0);
  if (chunk_ == nullptr) throw OpenFailure(file, SDL_GetError());
  file_ = file;
  Mix_PlayChannel(channel_, chunk_, 0);  // a failure to start is not reported
}

void ChunkChannel::Close() {
  if (chunk_ != nullptr) {
    Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
  }
  file_.clear();
}

bool ChunkChannel::IsPlaying() const {
  return chunk_ != nullptr && Mix_Playing(channel_) != 0 && Mix_GetChunk(channel_) == chunk_;
}

}  // namespace trimbol::media
