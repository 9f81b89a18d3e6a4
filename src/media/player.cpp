// Playing one file on one player: the file is checked, the output must be
// there, the sound is loaded from a stream the player keeps (by SDL_mixer,
// or by the player's own synthesiser for MIDI) and starts.
#include "media/player.h"

#include <future>
#include <stdexcept>
#include <string>
#include <utility>

#include "media/file_bytes.h"
#include "media/open_failure.h"

namespace trimbol::media {
namespace {

// A sound decoded whole before it starts costs the time and memory of its
// playing time, and a MIDI file the synthesiser's work for all of it: twenty
// seconds is far beyond any effect or result sound and still decoded at once.
constexpr int kLongestDecodedSeconds = 20;

// Runs a step of the synthesiser's, which says what went wrong with a
// std::runtime_error, and says it of the file instead.
template <typename Step>
auto ForFile(const std::string& file, Step step) {
  try {
    return step();
  } catch (const std::runtime_error& error) {
    throw OpenFailure(file, error.what());
  }
}

}  // namespace

void Player::Play(const std::string& file) {
  Close();
  SoundFile sound = OpenSoundFile(file);
  if (!Streams() && PlayingSeconds(sound) > kLongestDecodedSeconds) {
    throw OpenFailure(file, "the sound plays longer than " + std::to_string(kLongestDecodedSeconds) + " seconds");
  }
  const bool midi = sound.kind->Synthesised();
  std::vector<unsigned char> tune;
  // The first MIDI file makes the synthesiser, which reads its soundfont
  // (tens of milliseconds for a large one) while the output opens.
  std::future<std::unique_ptr<MidiSynth>> synthMade;
  if (midi) {
    tune = ReadAll(sound.data.get());
    if (!synth_) {
      synthMade = std::async(std::launch::async, [fonts = output_.SoundFonts()] {
        return std::make_unique<MidiSynth>(fonts, AudioOutput::kSampleRate);
      });
    }
  }
  const bool opened = output_.Open();
  if (synthMade.valid()) synth_ = ForFile(file, [&] { return synthMade.get(); });
  if (!opened) throw OpenFailure(file, output_.Failure());
  if (midi) {
    PlayMidi(file, std::move(tune), PlayingSeconds(sound));
  } else {
    PlayWithMixer(file, sound);
  }
  file_ = file;
}

void Player::PrepareSynth(const std::string& file, int sampleRate) {
  if (synth_ && synth_->SampleRate() == sampleRate) return;
  synth_.reset();
  synth_ = ForFile(file, [&] { return std::make_unique<MidiSynth>(output_.SoundFonts(), sampleRate); });
}

void Player::PlayMidi(const std::string& file, std::vector<unsigned char> tune, double seconds) {
  PrepareSynth(file, output_.SampleRate());
  if (Streams()) {
    if (!ForFile(file, [&] { return synth_->Start(tune, seconds); })) {
      throw OpenFailure(file, "the MIDI synthesiser cannot read the file");
    }
    Mix_HookMusic(&Player::MixTune, this);
    tuneStreams_ = true;
    // While the output comes round to the tune's first buffer.
    synth_->ReadTuneInstruments();
    return;
  }
  rendered_ = ForFile(file, [&] { return synth_->RenderWhole(tune, seconds, output_.Channels()); });
  // The chunk only borrows the samples; the player frees them after it.
  chunk_ = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(rendered_.data()),
                             static_cast<Uint32>(rendered_.size() * sizeof(std::int16_t)));
  if (chunk_ == nullptr) {
    rendered_ = {};
    throw OpenFailure(file, SDL_GetError());
  }
  Mix_PlayChannel(channel_, chunk_, 0);
}

void Player::PlayWithMixer(const std::string& file, SoundFile& sound) {
  SDL_ClearError();
  // SDL_mixer only borrows the stream: it does not close every stream it is
  // told to on every failure, so the player closes it itself.
  if (Streams()) {
    music_ = Mix_LoadMUSType_RW(sound.data.get(), sound.kind->mixerType, 0);
    if (music_ == nullptr) throw OpenFailure(file, SDL_GetError());
    stream_ = std::move(sound.data);
  } else {
    chunk_ = Mix_LoadWAV_RW(sound.data.get(), 0);
    if (chunk_ == nullptr) throw OpenFailure(file, SDL_GetError());
  }
  // A failure to start is not reported: the file did open.
  if (Streams()) {
    Mix_PlayMusic(music_, 0);
  } else {
    Mix_PlayChannel(channel_, chunk_, 0);
  }
}

void Player::MixTune(void* player, Uint8* stream, int bytes) {
  auto& self = *static_cast<Player*>(player);
  const int channels = self.output_.Channels();
  self.synth_->Render(reinterpret_cast<std::int16_t*>(stream), bytes / (2 * channels), channels);
}

void Player::Close() {
  if (tuneStreams_) {
    Mix_HookMusic(nullptr, nullptr);  // waits for the audio thread to leave it
    tuneStreams_ = false;
    synth_->Stop();
  }
  if (music_ != nullptr) {
    Mix_FreeMusic(music_);  // stops it first
    music_ = nullptr;
  }
  stream_.reset();
  if (chunk_ != nullptr) {
    Mix_HaltChannel(channel_);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
  }
  rendered_ = {};
  file_.clear();
}

bool Player::IsPlaying() const {
  if (tuneStreams_) return synth_->Sounding();
  if (Streams()) return music_ != nullptr && Mix_PlayingMusic() != 0;
  return chunk_ != nullptr && Mix_Playing(channel_) != 0 && Mix_GetChunk(channel_) == chunk_;
}

std::vector<std::string> Player::LoadedSoundFonts() const {
  return synth_ ? synth_->LoadedFonts() : std::vector<std::string>();
}

}  // namespace trimbol::media
