// Each MIDI tune is given a soundfont that holds only what it can sound: the
// presets its channels may select (or the synthesiser's substitutes for
// those the font lacks), and of those only the zones of the keys it plays.
// The tune must sound exactly as with the whole font, bit for bit.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "media/midi_synth.h"
#include "media/soundfont_tables.h"
#include "media/tune_instruments.h"
#include "scratch_folder.h"
#include "smaller_font.h"

namespace trimbol::media {
namespace {

using Bytes = std::vector<unsigned char>;
using Preset = std::pair<int, int>;  // bank, program

// The small General MIDI font the game depends on; its piano is split into
// key ranges, one sample each.
const char* const kFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// A format 0 file of one track, 96 ticks to the quarter note (half a second).
class TuneWriter {
 public:
  TuneWriter& Event(std::uint32_t delta, std::initializer_list<unsigned char> bytes) {
    Bytes quantity{static_cast<unsigned char>(delta & 0x7F)};
    while (delta >>= 7) quantity.insert(quantity.begin(), static_cast<unsigned char>(0x80 | (delta & 0x7F)));
    track_.insert(track_.end(), quantity.begin(), quantity.end());
    track_.insert(track_.end(), bytes);
    return *this;
  }
  // A note of a sixteenth on `channel`.
  TuneWriter& Note(int channel, int key, int velocity = 100) {
    const auto on = static_cast<unsigned char>(0x90 | channel), off = static_cast<unsigned char>(0x80 | channel);
    return Event(0, {on, static_cast<unsigned char>(key), static_cast<unsigned char>(velocity)})
        .Event(24, {off, static_cast<unsigned char>(key), 0});
  }
  Bytes File() const {
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    const auto length = static_cast<std::uint32_t>(track_.size() + 4);
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<unsigned char>(length >> shift));
    file.insert(file.end(), track_.begin(), track_.end());
    file.insert(file.end(), {0x00, 0xFF, 0x2F, 0x00});
    return file;
  }

 private:
  Bytes track_;
};

// Program changes and bank selects on several channels, presets the font
// lacks, a channel left on its default, the drum channel given a bank and a
// program, and keys at both ends of the range.
Bytes BusyTune() {
  TuneWriter tune;
  tune.Event(0, {0xC0, 24}).Event(0, {0xB1, 0, 8}).Event(0, {0xC1, 48}).Event(0, {0xC3, 40})
      .Event(0, {0xB4, 0, 1}).Event(0, {0xC4, 81}).Event(0, {0xB9, 0, 3}).Event(0, {0xC9, 25});
  for (const int key : {0, 40, 64, 127}) tune.Note(0, key);
  tune.Event(0, {0xC0, 73});
  for (const int key : {72, 84}) tune.Note(0, key, 60);
  for (const int key : {48, 72}) tune.Note(1, key);
  for (const int key : {60, 61}) tune.Note(2, key, 127);
  tune.Note(4, 66);
  for (const int key : {35, 38, 42, 46, 57, 81}) tune.Note(9, key);
  return tune.File();
}

// A system exclusive message the synthesiser ignores, first in the track:
// such a tune is given the whole font.
Bytes WithSystemExclusive(Bytes tune) {
  const Bytes message{0x00, 0xF0, 0x03, 0x7D, 0x01, 0xF7};
  tune.insert(tune.begin() + 22, message.begin(), message.end());
  std::uint32_t length = 0;
  for (int i = 18; i < 22; ++i) length = (length << 8) | tune[i];
  length += message.size();
  for (int i = 21; i >= 18; --i, length >>= 8) tune[i] = static_cast<unsigned char>(length & 0xFF);
  return tune;
}

std::vector<std::int16_t> Rendered(const Bytes& tune) {
  MidiSynth synth(kFont, 44100);  // a fresh one each: its dither and reverb carry over
  return synth.RenderWhole(tune, 2.5, 2);
}

TEST(SoundfontSubset, SoundsExactlyLikeTheWholeFont) {
  const Bytes tune = BusyTune();
  const std::vector<std::int16_t> subset = Rendered(tune), whole = Rendered(WithSystemExclusive(tune));
  ASSERT_EQ(subset.size(), whole.size());
  std::size_t differing = 0;
  int loudest = 0;
  for (std::size_t i = 0; i < subset.size(); ++i) {
    differing += subset[i] != whole[i];
    loudest = std::max(loudest, std::abs(int{subset[i]}));
  }
  EXPECT_EQ(differing, 0u);
  EXPECT_GT(loudest, 2000);
}

TEST(SoundfontSubset, CountsEveryProgramForEveryNoteAndTheSynthesisersSubstitutes) {
  const std::set<Preset> inFont{{0, 0}, {0, 24}, {0, 48}, {0, 73}, {128, 0}};
  const HasPreset has = [&](int bank, int program) { return inFont.contains({bank, program}); };
  const auto keys = [](std::initializer_list<int> list) {
    Keys set;
    for (const int key : list) set.set(key);
    return set;
  };
  TuneWriter writer;
  writer.Event(0, {0xC0, 24}).Note(0, 40).Event(0, {0xC0, 73}).Note(0, 84);
  // Bank 8 is missing: the same program in bank 0 plays, and the default
  // program of either bank falls back to the piano.
  writer.Event(0, {0xB1, 0, 8}).Event(0, {0xC1, 48}).Note(1, 50);
  // Neither the program nor it in bank 0: the piano, here on no key.
  writer.Event(0, {0xC2, 30});
  // The drum channel ignores its bank; a missing kit falls back to the standard one.
  writer.Event(0, {0xB9, 0, 5}).Event(0, {0xC9, 25}).Note(9, 36);
  const TuneInstruments found = InstrumentsOf(writer.File(), has);
  EXPECT_FALSE(found.anything);
  const std::map<Preset, Keys> expected{
      {{0, 0}, keys({40, 84, 50})}, {{0, 24}, keys({40, 84})}, {{0, 73}, keys({40, 84})},
      {{0, 48}, keys({50})},        {{128, 0}, keys({36})},
  };
  EXPECT_EQ(found.presets, expected);

  const TuneInstruments anything = InstrumentsOf(WithSystemExclusive(writer.File()), has);
  EXPECT_TRUE(anything.anything);
  EXPECT_TRUE(anything.presets.empty());
}

// Loaded as a file of its own, the smaller font holds the tune's presets
// only, and of the piano's zones only those of the key it plays.
TEST(SoundfontSubset, HoldsOnlyTheTunesPresetsAndTheirZonesForItsKeys) {
  const std::optional<SoundFontTables> tables = SoundFontTables::Read(kFont);
  ASSERT_TRUE(tables.has_value());
  constexpr int kPlayed = 60;
  TuneInstruments tune;
  tune.presets[{0, 0}].set(kPlayed);
  tune.presets[{128, 0}];
  const Bytes smaller = trimbol::testing::SmallerFont(kFont, *tables, tune);
  const trimbol::testing::ScratchFolder folder;
  const std::string path = folder.Write("smaller.sf2", smaller.data(), smaller.size());
  // What it holds reads back as a font in its own right.
  const std::optional<SoundFontTables> reread = SoundFontTables::Read(path);
  ASSERT_TRUE(reread.has_value());
  EXPECT_TRUE(reread->Has(0, 0));
  EXPECT_FALSE(reread->Has(0, 1));

  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = new_fluid_synth(settings);
  const int whole = fluid_synth_sfload(synth, kFont, 0), subset = fluid_synth_sfload(synth, path.c_str(), 0);
  ASSERT_NE(subset, FLUID_FAILED);
  std::set<Preset> presets;
  fluid_sfont_t* font = fluid_synth_get_sfont_by_id(synth, subset);
  fluid_sfont_iteration_start(font);
  while (fluid_preset_t* preset = fluid_sfont_iteration_next(font)) {
    presets.insert({fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)});
  }
  EXPECT_EQ(presets, (std::set<Preset>{{0, 0}, {128, 0}}));
  // The voices a key starts; a rendered block lets the synthesiser count
  // those it was told to silence as gone.
  const auto voices = [&](int id, int key) {
    fluid_synth_program_select(synth, 0, id, 0, 0);
    fluid_synth_noteon(synth, 0, key, 100);
    const int count = fluid_synth_get_active_voice_count(synth);
    fluid_synth_all_sounds_off(synth, 0);
    std::int16_t block[2 * 64];
    fluid_synth_write_s16(synth, 64, block, 0, 2, block, 1, 2);
    EXPECT_EQ(fluid_synth_get_active_voice_count(synth), 0);
    return count;
  };
  EXPECT_GT(voices(subset, kPlayed), 0);
  EXPECT_EQ(voices(subset, kPlayed), voices(whole, kPlayed));
  int dropped = 0;
  for (const int key : {21, 36, 84, 108}) {
    EXPECT_GT(voices(whole, key), 0) << key;
    dropped += voices(subset, key) == 0;
  }
  EXPECT_GT(dropped, 0);
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
}

}  // namespace
}  // namespace trimbol::media
