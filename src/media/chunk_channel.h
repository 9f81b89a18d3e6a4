// An effects or result player: one reserved SDL_mixer channel playing a
// sound decoded whole into memory, so it overlaps the music and the other
// channel freely.
#pragma once

#include <SDL_mixer.h>

#include <string>

#include "media/audio_output.h"

namespace trimbol::media {

class ChunkChannel {
 public:
  ChunkChannel(const AudioOutput& output, int channel) : output_(output), channel_(channel) {}
  ~ChunkChannel() { Close(); }
  ChunkChannel(const ChunkChannel&) = delete;
  ChunkChannel& operator=(const ChunkChannel&) = delete;

  // Closes the current sound, opens `file` anew and starts it on this
  // channel; throws FileError when the file cannot be opened.
  void Play(const std::string& file);
  void Close();
  const std::string& OpenFile() const { return file_; }
  bool IsPlaying() const;

 private:
  const AudioOutput& output_;
  const int channel_;
  Mix_Chunk* chunk_ = nullptr;
  std::string file_;
};

}  // namespace trimbol::media
