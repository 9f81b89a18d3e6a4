// The music player: SDL_mixer's single music slot, which plays WAV, MP3 and
// MIDI files streamed from disk.
#include "media/music_slot.h"

#include "media/open_failure.h"
#include "media/sound_file.h"

namespace trimbol::media {
namespace {

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

void MusicSlot::Play(const std::string& file) {
  Close();
  SoundFile sound = OpenSoundFile(file);
  if (!output_.IsOpen()) throw OpenFailure(file, output_.Failure());
  SDL_ClearError();
  // The music is read from the stream while it plays, so the stream stays
  // open as long as the music does.
  music_ = Mix_LoadMUSType_RW(sound.data.get(), MusicType(sound.kind), 0);
  if (music_ == nullptr) throw OpenFailure(file, SDL_GetError());
  stream_ = std::move(sound.data);
  file_ = file;
  Mix_PlayMusic(music_, 0);  // a failure to start is not reported
}

void MusicSlot::Close() {
  if (music_ != nullptr) {
    Mix_FreeMusic(music_);  // stops it first
    music_ = nullptr;
  }
  stream_.reset();
  file_.clear();
}

bool MusicSlot::IsPlaying() const { return music_ != nullptr && Mix_PlayingMusic() != 0; }

}  // namespace trimbol::media
