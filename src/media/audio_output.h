// The sound output: SDL's audio device and SDL_mixer on it. It is opened
// only when a sound is about to play and closed again when the players have
// been idle for a while, so a game that plays no sound never holds a device
// or wakes an audio thread.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace trimbol::media {

class AudioOutput {
 public:
  // Opens the mixer on an SDL driver (nullptr: SDL's own choice, which
  // SDL_AUDIODRIVER can make); false with SDL's error set when it fails.
  using OpenMixer = std::function<bool(const char* driver)>;
  static bool OpenSdlMixer(const char* driver);

  // `channels`: how many mixer channels the players that decode whole sounds
  // own, one each; the streamed music has a slot of its own.
  AudioOutput(OpenMixer open, int channels) : openMixer_(std::move(open)), channels_(channels) {}
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Opens the output unless it is open. The first opening looks for a
  // device; later ones take the driver that worked. Without a device the
  // mixer runs on SDL's silent driver, so files are still opened and checked
  // as with sound. False only when not even that opens; Failure() says why.
  bool Open();
  // Closes the output; whatever was loaded on it must be freed first.
  void Close();
  // The MIDI soundfonts (colon-separated) every tune of the session plays
  // with; empty when none is installed.
  void UseSoundFonts(std::string fonts) { soundFonts_ = std::move(fonts); }
  const std::string& SoundFonts() const { return soundFonts_; }

  // The rate the output is opened at; a device may insist on another.
  static constexpr int kSampleRate = 44100;
  // What the open output takes: 16-bit samples, at this rate and this many
  // interleaved channels.
  int SampleRate() const { return sampleRate_; }
  int Channels() const { return channelCount_; }

  bool IsOpen() const { return open_; }
  // True when the sound is heard: the mixer runs on a real device.
  bool IsAudible() const { return audible_; }
  // True when no device could be opened and the output fell back to silence.
  bool FellBackToSilence() const { return fellBack_; }
  // Why the mixer could not be opened even silently.
  const std::string& Failure() const { return failure_; }

 private:
  bool TryDriver(const char* driver);

  OpenMixer openMixer_;
  int channels_;
  bool open_ = false;
  bool audible_ = false;
  bool probed_ = false;    // a device has been looked for
  bool fellBack_ = false;  // and none was found
  bool decodersReady_ = false;
  int sampleRate_ = kSampleRate;
  int channelCount_ = 2;
  std::string driver_;  // the driver that opened a device
  std::string soundFonts_;
  std::string failure_;
};

}  // namespace trimbol::media
