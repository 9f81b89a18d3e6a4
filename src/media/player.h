// One of the game's three players: it holds at most one open sound file,
// and every play closes it, opens the named file anew and starts it.
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/audio_output.h"
#include "media/midi_synth.h"
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
  // The soundfonts the player's MIDI synthesiser has loaded; none before its
  // first MIDI file.
  std::vector<std::string> LoadedSoundFonts() const;

 private:
  bool Streams() const { return channel_ == kMusicSlot; }
  // The synthesiser is made at the first MIDI file and kept, with its
  // soundfont, across releases of the output; a new rate needs a new one.
  void PrepareSynth(const std::string& file, int sampleRate);
  void PlayMidi(const std::string& file, std::vector<unsigned char> tune, double seconds);
  void PlayWithMixer(const std::string& file, SoundFile& sound);
  // The music slot's source while a MIDI tune streams, on the audio thread.
  static void MixTune(void* player, Uint8* stream, int bytes);

  AudioOutput& output_;
  const int channel_;
  Mix_Chunk* chunk_ = nullptr;
  Mix_Music* music_ = nullptr;
  RwPointer stream_;  // what the music reads while it plays; freed after it
  std::unique_ptr<MidiSynth> synth_;
  bool tuneStreams_ = false;           // the synthesiser feeds the music slot
  std::vector<std::int16_t> rendered_;  // a MIDI sound decoded whole, under chunk_
  std::string file_;
};

}  // namespace trimbol::media
