// Opens the sound output and the mixer for the life of the media players,
// falling back to SDL's silent driver when there is no usable device.
#include "media/audio_output.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>

#include "media/sound_fonts.h"

namespace trimbol::media {
namespace {

constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
// About 23 ms: a click is still heard at once, and the audio thread wakes
// half as often as with 512, which keeps an idle window cheap.
constexpr int kBufferFrames = 1024;
constexpr int kMixChannels = 2;     // one for effects, one for results

bool OpenMixer() {
  // SDL would otherwise take over SIGINT and SIGTERM, and the game could no
  // longer be stopped from a terminal or by its session.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

}  // namespace

AudioOutput::AudioOutput() {
  Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
  open_ = OpenMixer();
  if (!open_) {
    // No device, or a busy one: run the mixer on the silent "dummy" driver so
    // that every file is still opened and checked exactly as with sound.
    // The hint outranks SDL_AUDIODRIVER, and is dropped again at once.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    open_ = OpenMixer();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!open_) {
      failure_ = SDL_GetError();
      if (failure_.empty()) failure_ = "no sound output";
    }
  }
  if (open_) {
    const char* driver = SDL_GetCurrentAudioDriver();
    audible_ = driver != nullptr && std::strcmp(driver, "dummy") != 0;
    Mix_AllocateChannels(kMixChannels);
    Mix_ReserveChannels(kMixChannels);  // nothing else may borrow them
    ChooseSoundFonts();
  }
}

AudioOutput::~AudioOutput() {
  if (open_) {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  Mix_Quit();
}

}  // namespace trimbol::media
