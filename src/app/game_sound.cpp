// Loading the sound module with dlopen, playing through its players, and
// letting the output go when idle.
#include "game_sound.h"

#include <dlfcn.h>

#include <cstdio>

#include <QCoreApplication>

#include "engine/file_error.h"
#include "media/sound_system.h"

namespace trimbol::app {
namespace {

std::string LoadError() {
  const char* error = ::dlerror();
  return error != nullptr ? error : "unknown error";
}

}  // namespace

GameSound::GameSound(std::string modulePath) : GameSound(std::move(modulePath), nullptr) {}

GameSound::GameSound(media::SoundSystem& players) : GameSound(std::string(), &players) {}

GameSound::GameSound(std::string modulePath, media::SoundSystem* players)
    : modulePath_(std::move(modulePath)), players_(players) {
  releaseCheck_.setInterval(1000);
  // Runs only once the players exist: it is started after a play.
  QObject::connect(&releaseCheck_, &QTimer::timeout, &releaseCheck_, [this] {
    if (!players_->ReleaseWhenIdle()) releaseCheck_.stop();
  });
}

GameSound::~GameSound() {
  ownPlayers_.reset();  // before the code it runs goes
  if (module_ != nullptr) ::dlclose(module_);
}

std::string GameSound::InstalledModulePath() {
  return (QCoreApplication::applicationDirPath() + QStringLiteral("/" TRIMBOL_SOUND_MODULE_DIR "/trimbol-sound.so"))
      .toStdString();
}

void GameSound::Play(SoundPlayer player, std::string_view file) {
  const std::string name(file);
  media::SoundSystem* players = Players();
  if (players == nullptr) {
    throw FileError(name, "Couldn't open \"" + name + "\": the sound module cannot be loaded: " + loadFailure_);
  }
  // A file that fails after the output opened still leaves it to be let go.
  struct Watch {
    GameSound& sound;
    ~Watch() { sound.WatchOutput(); }
  } watch{*this};
  players->Play(player, name);
}

media::SoundSystem* GameSound::Players() {
  if (players_ != nullptr || !loadFailure_.empty()) return players_;
  module_ = ::dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module_ == nullptr) {
    loadFailure_ = LoadError();
    return nullptr;
  }
  auto create = reinterpret_cast<media::CreateSoundSystem>(::dlsym(module_, media::kCreateSoundSystem));
  if (create == nullptr) {
    loadFailure_ = LoadError();
    return nullptr;
  }
  ownPlayers_.reset(create());
  players_ = ownPlayers_.get();
  return players_;
}

void GameSound::WatchOutput() {
  if (players_->IsOutputOpen() && !releaseCheck_.isActive()) releaseCheck_.start();
  if (players_->FellBackToSilence() && !toldSilent_) {
    toldSilent_ = true;
    std::fputs("trimbol: no sound device found; the game plays without sound\n", stderr);
  }
}

}  // namespace trimbol::app
