// One of the game's three players: it holds at most one open sound file,
// and every play closes it, opens the named file anew and starts it.
#pragma once

#include <SDL_mixer.h>

#include <string>

#include "media/audio_output.h"
#include "media/sound_file.h"

namespace trimbol::media {

class Player {
 public:
  // The music player streams from SDL_mixer's one music slot; the others
  // each own a reserved channel and decode their sound whole before it starts.
  static constexpr int kMusicSlot = -1;

  Player(AudioOutput& output, int channel) : output_(output), channel_(channel) {}
  ~Player() { Close(); }
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Closes the current sound, which stops it, opens `file` anew and starts
  // it, opening the output first when it is closed; throws FileError naming
  // the file when it cannot be opened.
  void Play(const std::string& file);
  void Close();
  const std::string& OpenFile() const { return file_; }
  bool IsPlaying() const;

 private:
  bool Streams() const { return channel_ == kMusicSlot; }

  AudioOutput& output_;
  const int channel_;
  Mix_Chunk* chunk_ = nullptr;
  Mix_Music* music_ = nullptr;
  RwPointer stream_;  // what the music reads while it plays; freed after it
  std::string file_;
};

}  // namespace trimbol::media
