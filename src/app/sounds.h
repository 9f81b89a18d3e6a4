// The sound players as the window uses them. Every play goes through here;
// while the sound output is open, a check once a second lets it go when the
// players have been idle, so an idle game holds no device and wakes no audio
// thread.
#pragma once

#include <string_view>

#include <QObject>
#include <QTimer>

#include "engine/sound_player.h"

namespace trimbol::media {
class SoundSystem;
}

namespace trimbol::app {

class Sounds : public QObject {
 public:
  explicit Sounds(media::SoundSystem& media);

  // Plays the file on the player; throws FileError as the player does.
  void Play(SoundPlayer player, std::string_view file);

  const QTimer& releaseCheck() const { return releaseCheck_; }

 private:
  void WatchOutput();

  media::SoundSystem& media_;
  QTimer releaseCheck_;
  bool toldSilent_ = false;
};

}  // namespace trimbol::app
