// The MIDI synthesiser over libfluidsynth.
#include "media/midi_synth.h"

#include <fluidsynth.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "media/midi_events.h"
#include "media/soundfont_subset_loader.h"

namespace trimbol::media {
namespace {

// What SDL_mixer gives its synthesiser at full volume; FluidSynth's own
// default is a fifth of it.
constexpr double kGain = 1.0;
// How long a tune may ring on after its last event.
constexpr double kLongestDyingSeconds = 2.0;
// MIDI's numbers: event types and a controller.
constexpr int kNoteOn = 0x90;
constexpr int kProgramChange = 0xC0;
constexpr int kResetAllControllers = 121;

std::vector<std::string> SplitFonts(std::string_view fonts) {
  std::vector<std::string> list;
  while (!fonts.empty()) {
    const std::size_t colon = fonts.find(':');
    if (colon != 0) list.emplace_back(fonts.substr(0, colon));
    fonts = colon == std::string_view::npos ? std::string_view() : fonts.substr(colon + 1);
  }
  return list;
}

// A named pipe would hang the synthesiser's reading, a folder confuse it.
bool IsReadableFile(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

}  // namespace

MidiSynth::MidiSynth(const std::string& soundFonts, int sampleRate)
    : sampleRate_(sampleRate), soundFonts_(soundFonts) {
  if (soundFonts.empty()) throw std::runtime_error("no MIDI soundfont is installed");
  settings_ = new_fluid_settings();
  if (settings_ == nullptr) throw std::runtime_error("the MIDI synthesiser cannot be made");
  fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
  fluid_settings_setnum(settings_, "synth.gain", kGain);
  // A preset's samples are read when a tune pins or selects it, and let go
  // with it.
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  // Pinning samples in memory fails with the usual small limit and says so.
  fluid_settings_setint(settings_, "synth.lock-memory", 0);
  // The tune's clock is the audio rendered, not a timer thread of its own.
  fluid_settings_setstr(settings_, "player.timing-source", "sample");
  // A reset would give every channel its default instrument and so read
  // them all from the font; the synthesiser is put back in Stop instead.
  fluid_settings_setint(settings_, "player.reset-synth", 0);
  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr) {
    delete_fluid_settings(settings_);
    throw std::runtime_error("the MIDI synthesiser cannot be made");
  }
  AddSubsetLoader(synth_, settings_);
  for (std::string& font : SplitFonts(soundFonts)) {
    if (IsReadableFile(font)) fonts_.push_back({font, SoundFontTables::Read(font)});
  }
  try {
    LoadFontsFor(InstrumentsFor({}));
  } catch (...) {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
    throw;
  }
}

TuneInstruments MidiSynth::InstrumentsFor(std::span<const unsigned char> tune) const {
  const bool subsets = std::all_of(fonts_.begin(), fonts_.end(), [](const Font& font) { return font.tables.has_value(); });
  if (!subsets) return {true, {}};
  // Before any tune: the defaults, on no key.
  if (tune.empty()) return {false, {{{0, 0}, {}}, {{kDrumBank, 0}, {}}}};
  return InstrumentsOf(tune, [this](int bank, int program) {
    return std::any_of(fonts_.begin(), fonts_.end(), [&](const Font& font) { return font.tables->Has(bank, program); });
  });
}

void MidiSynth::LoadFontsFor(const TuneInstruments& tune) {
  if (loadedFor_ == tune) return;
  loadedFor_.reset();
  for (const int id : loadedIds_) fluid_synth_sfunload(synth_, id, 0);
  loadedIds_.clear();
  // Listed first, found first: the font loaded last takes precedence.
  for (auto font = fonts_.rbegin(); font != fonts_.rend(); ++font) {
    const int id = font->tables && !tune.anything ? LoadSubset(synth_, font->path, *font->tables, tune)
                                                  : fluid_synth_sfload(synth_, font->path.c_str(), 0);
    if (id != FLUID_FAILED) loadedIds_.push_back(id);
  }
  if (loadedIds_.empty()) throw std::runtime_error("no MIDI soundfont can be read at " + soundFonts_);
  loadedFor_ = tune;
}

MidiSynth::~MidiSynth() {
  Stop();
  delete_fluid_synth(synth_);
  delete_fluid_settings(settings_);
}

std::vector<std::string> MidiSynth::LoadedFonts() const {
  std::vector<std::string> names;
  for (int i = 0; i < fluid_synth_sfcount(synth_); ++i) {
    names.emplace_back(fluid_sfont_get_name(fluid_synth_get_sfont(synth_, static_cast<unsigned>(i))));
  }
  return names;
}

bool MidiSynth::Start(std::span<const unsigned char> tune, double seconds) {
  Stop();
  LoadFontsFor(InstrumentsFor(tune));
  // A tune may claim to last for ages (or its time may not be a number).
  constexpr auto kEndless = std::int64_t{1} << 52;
  const double frames = seconds * sampleRate_;
  tuneFrames_ = frames < static_cast<double>(kEndless) ? static_cast<std::int64_t>(frames) : kEndless;
  renderedFrames_ = 0;
  player_ = new_fluid_player(synth_);
  if (player_ == nullptr) return false;
  programmed_ = 0;
  fluid_player_set_playback_callback(player_, &MidiSynth::HandleEvent, this);
  // The player copies the file.
  if (fluid_player_add_mem(player_, tune.data(), tune.size()) != FLUID_OK || fluid_player_play(player_) != FLUID_OK) {
    Stop();
    return false;
  }
  return true;
}

void MidiSynth::ReadTuneInstruments() {
  for (const auto& [preset, keys] : loadedFor_->presets) {
    const auto [bank, program] = preset;
    // The font loaded last is searched first; it is the one that plays.
    for (auto id = loadedIds_.rbegin(); id != loadedIds_.rend(); ++id) {
      fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth_, *id);
      if (font == nullptr || fluid_sfont_get_preset(font, bank, program) == nullptr) continue;
      if (fluid_synth_pin_preset(synth_, *id, bank, program) == FLUID_OK) pinned_.push_back({*id, bank, program});
      break;
    }
  }
}

void MidiSynth::Stop() {
  if (player_ == nullptr) return;
  delete_fluid_player(player_);
  player_ = nullptr;
  // What a reset does, but every channel is left without an instrument, so
  // those the tune chose leave memory and no others are read.
  fluid_synth_all_sounds_off(synth_, -1);
  for (int channel = 0; channel < fluid_synth_count_midi_channels(synth_); ++channel) {
    fluid_synth_cc(synth_, channel, kResetAllControllers, 0);
    // The drum channel keeps its drum bank.
    if (channel != kDrumChannel) fluid_synth_bank_select(synth_, channel, 0);
    fluid_synth_unset_program(synth_, channel);
  }
  for (const Pinned& preset : pinned_) fluid_synth_unpin_preset(synth_, preset.font, preset.bank, preset.program);
  pinned_.clear();
}

int MidiSynth::HandleEvent(void* self, fluid_midi_event_t* event) {
  auto& synth = *static_cast<MidiSynth*>(self);
  const int channel = fluid_midi_event_get_channel(event);
  const std::uint32_t bit = channel >= 0 && channel < 32 ? 1u << channel : 0;
  const int type = fluid_midi_event_get_type(event);
  if (type == kProgramChange) {
    synth.programmed_ |= bit;
  } else if (type == kNoteOn && fluid_midi_event_get_velocity(event) > 0 && (synth.programmed_ & bit) == 0) {
    // A note on a channel the tune gave no instrument plays the default.
    fluid_synth_program_change(synth.synth_, channel, 0);
    synth.programmed_ |= bit;
  }
  return fluid_synth_handle_midi_event(synth.synth_, event);
}

bool MidiSynth::Sounding() const {
  if (player_ == nullptr || fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING) return false;
  const std::int64_t rendered = renderedFrames_.load(std::memory_order_relaxed);
  if (rendered < tuneFrames_) return true;
  const auto dying = static_cast<std::int64_t>(kLongestDyingSeconds * sampleRate_);
  return rendered < tuneFrames_ + dying && fluid_synth_get_active_voice_count(synth_) > 0;
}

void MidiSynth::Render(std::int16_t* out, int frames, int channels) {
  renderedFrames_.fetch_add(frames, std::memory_order_relaxed);
  if (channels == 2) {
    fluid_synth_write_s16(synth_, frames, out, 0, 2, out, 1, 2);
    return;
  }
  stereo_.resize(2 * static_cast<std::size_t>(frames));
  fluid_synth_write_s16(synth_, frames, stereo_.data(), 0, 2, stereo_.data(), 1, 2);
  for (int frame = 0; frame < frames; ++frame) {
    const std::int16_t left = stereo_[2 * frame], right = stereo_[2 * frame + 1];
    std::int16_t* to = out + static_cast<std::ptrdiff_t>(frame) * channels;
    if (channels == 1) {
      to[0] = static_cast<std::int16_t>((left + right) / 2);
    } else {
      std::fill(to, to + channels, std::int16_t{0});
      to[0] = left;
      to[1] = right;
    }
  }
}

std::vector<std::int16_t> MidiSynth::RenderWhole(std::span<const unsigned char> tune, double seconds, int channels) {
  if (!Start(tune, seconds)) throw std::runtime_error("the MIDI synthesiser cannot read the file");
  ReadTuneInstruments();
  constexpr int kBlock = 1024;
  const auto blockSamples = static_cast<std::size_t>(kBlock * channels);
  std::vector<std::int16_t> samples;
  const std::int64_t expected = std::clamp<std::int64_t>(tuneFrames_, 0, std::int64_t{60} * sampleRate_);
  samples.reserve(static_cast<std::size_t>(expected * channels));
  while (Sounding()) {
    samples.resize(samples.size() + blockSamples);
    Render(samples.data() + samples.size() - blockSamples, kBlock, channels);
  }
  Stop();
  return samples;
}

}  // namespace trimbol::media
