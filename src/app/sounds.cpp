// Playing through the media players, and letting the output go when idle.
#include "sounds.h"

#include <cstdio>
#include <string>

#include "media/sound_system.h"

namespace trimbol::app {

Sounds::Sounds(media::SoundSystem& media) : media_(media) {
  releaseCheck_.setInterval(1000);
  connect(&releaseCheck_, &QTimer::timeout, this, [this] {
    if (!media_.ReleaseWhenIdle()) releaseCheck_.stop();
  });
}

void Sounds::Play(SoundPlayer player, std::string_view file) {
  // A file that fails after the output opened still leaves it to be let go.
  struct Watch {
    Sounds& sounds;
    ~Watch() { sounds.WatchOutput(); }
  } watch{*this};
  media_.Play(player, std::string(file));
}

void Sounds::WatchOutput() {
  if (media_.IsOutputOpen() && !releaseCheck_.isActive()) releaseCheck_.start();
  if (media_.FellBackToSilence() && !toldSilent_) {
    toldSilent_ = true;
    std::fputs("trimbol: no sound device found; the game plays without sound\n", stderr);
  }
}

}  // namespace trimbol::app
