// Opens the sound output and the mixer for the life of the media players,
// falling back to SDL's silent driver when there is no usable device.
#pragma once

#include <string>

namespace trimbol::media {

class AudioOutput {
 public:
  AudioOutput();
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // True while the mixer is open, on a real device or on the silent driver.
  bool IsOpen() const { return open_; }
  // True when the sound is heard: the mixer runs on a real device.
  bool IsAudible() const { return audible_; }
  // Why the mixer could not be opened even silently; empty while it is open.
  const std::string& Failure() const { return failure_; }

 private:
  bool open_ = false;
  bool audible_ = false;
  std::string failure_;
};

}  // namespace trimbol::media
