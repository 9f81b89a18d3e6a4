// Loading the sound module with dlopen.
#include "sound_module.h"

#include <dlfcn.h>

#include <QCoreApplication>

#include "engine/file_error.h"

namespace trimbol::app {

SoundModule::~SoundModule() {
  players_.reset();  // before the code it runs goes
  if (handle_ != nullptr) ::dlclose(handle_);
}

std::string SoundModule::InstalledPath() {
  return (QCoreApplication::applicationDirPath() + QStringLiteral("/" TRIMBOL_SOUND_MODULE_DIR "/trimbol-sound.so"))
      .toStdString();
}

media::SoundSystem* SoundModule::Load() {
  if (players_ || !failure_.empty()) return players_.get();
  handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    failure_ = ::dlerror();
    return nullptr;
  }
  auto create = reinterpret_cast<media::CreateSoundSystem>(::dlsym(handle_, media::kCreateSoundSystem));
  if (create == nullptr) {
    failure_ = ::dlerror();
    return nullptr;
  }
  players_.reset(create());
  return players_.get();
}

void SoundModule::Play(SoundPlayer player, const std::string& file) {
  media::SoundSystem* players = Load();
  if (players == nullptr) {
    throw FileError(file, "Couldn't open \"" + file + "\": the sound module cannot be loaded: " + failure_);
  }
  players->Play(player, file);
}

bool SoundModule::ReleaseWhenIdle() { return players_ && players_->ReleaseWhenIdle(); }

bool SoundModule::IsOutputOpen() const { return players_ && players_->IsOutputOpen(); }

bool SoundModule::FellBackToSilence() const { return players_ && players_->FellBackToSilence(); }

}  // namespace trimbol::app
