// Opening and closing the sound output on demand.
#include "media/audio_output.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "media/sound_kind.h"

namespace trimbol::media {
namespace {

constexpr int kChannels = 2;
// About 12 ms, so a click is heard at once. The audio thread wakes at this
// rate only while the output is open, that is while something plays.
constexpr int kBufferFrames = 512;
constexpr const char* kSilentDriver = "dummy";

// While a device is looked for, the sound libraries behind SDL (ALSA above
// all) report every driver they try on stderr; a game without a sound card
// would greet its player with a screenful. Their noise goes to /dev/null
// for that moment, on the one thread that runs then.
class QuietStderr {
 public:
  QuietStderr() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
    if (null >= 0) ::close(null);
  }
  ~QuietStderr() {
    std::fflush(stderr);
    if (saved_ >= 0) {
      ::dup2(saved_, STDERR_FILENO);
      ::close(saved_);
    }
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

}  // namespace

bool AudioOutput::OpenSdlMixer(const char* driver) {
  // SDL would otherwise take over SIGINT and SIGTERM, and the game could no
  // longer be stopped from a terminal or by its session.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A named driver outranks SDL_AUDIODRIVER, and only for this opening.
  if (driver != nullptr) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
  bool opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (opened && Mix_OpenAudio(AudioOutput::kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    opened = false;
  }
  if (driver != nullptr) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  return opened;
}

AudioOutput::~AudioOutput() {
  Close();
  if (decodersReady_) Mix_Quit();
}

bool AudioOutput::TryDriver(const char* driver) {
  SDL_ClearError();
  if (!openMixer_(driver)) return false;
  const char* current = SDL_GetCurrentAudioDriver();
  audible_ = current != nullptr && std::strcmp(current, kSilentDriver) != 0;
  if (audible_) driver_ = current;
  return true;
}

bool AudioOutput::Open() {
  if (open_) return true;
  if (!decodersReady_) {
    Mix_Init(MixerDecoderFlags());
    decodersReady_ = true;
  }
  if (!probed_) {
    probed_ = true;
    QuietStderr quiet;
    open_ = TryDriver(nullptr);
    // Either a device, or the silent driver the user asked for.
    fellBack_ = !open_;
  } else if (!driver_.empty()) {
    QuietStderr quiet;
    open_ = TryDriver(driver_.c_str());
  }
  // No device, or a busy one: the silent driver checks and plays every file
  // exactly as with sound.
  if (!open_) open_ = TryDriver(kSilentDriver);
  if (!open_) {
    failure_ = SDL_GetError();
    if (failure_.empty()) failure_ = "no sound output";
    return false;
  }
  failure_.clear();
  Uint16 format = 0;
  Mix_QuerySpec(&sampleRate_, &format, &channelCount_);
  Mix_AllocateChannels(channels_);
  Mix_ReserveChannels(channels_);  // nothing else may borrow them
  return true;
}

void AudioOutput::Close() {
  if (!open_) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

}  // namespace trimbol::media
