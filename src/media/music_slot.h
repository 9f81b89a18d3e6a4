// The music player: SDL_mixer's single music slot, which plays WAV, MP3 and
// MIDI files streamed from disk.
#pragma once

#include <SDL_mixer.h>

#include <string>

#include "media/audio_output.h"
#include "media/sound_file.h"

namespace trimbol::media {

class MusicSlot {
 public:
  explicit MusicSlot(const AudioOutput& output) : output_(output) {}
  ~MusicSlot() { Close(); }
  MusicSlot(const MusicSlot&) = delete;
  MusicSlot& operator=(const MusicSlot&) = delete;

  // Closes the current music, opens `file` anew and starts it; throws
  // FileError when the file cannot be opened.
  void Play(const std::string& file);
  void Close();
  const std::string& OpenFile() const { return file_; }
  bool IsPlaying() const;

 private:
  const AudioOutput& output_;
  Mix_Music* music_ = nullptr;
  RwPointer stream_;  // freed after the music that reads it
  std::string file_;
};

}  // namespace trimbol::media
