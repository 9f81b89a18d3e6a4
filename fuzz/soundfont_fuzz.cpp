// Fuzz target for the soundfont a player may name in SDL_SOUNDFONTS: the
// input is saved as a .sf2 file; when its tables can be read, the smaller
// font written from them for a tune must read back as a font too; then a
// synthesiser is made with it and plays a short tune.
#include <cstdint>
#include <stdexcept>

#include "fuzz_support.h"
#include "media/midi_synth.h"
#include "media/soundfont_tables.h"
#include "smaller_font.h"

namespace {

// A piano note and a drum, the two presets every General MIDI font has.
const std::vector<unsigned char> kTune{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k',
                                       0, 0, 0, 20, 0x00, 0x90, 60, 100, 0x00, 0x99, 36, 100, 0x30, 0x80, 60, 0,
                                       0x00, 0x89, 36, 0, 0x00, 0xFF, 0x2F, 0x00};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace trimbol;
  const std::string font = fuzz::Scratch().Write("font.sf2", data, size);
  const fuzz::OpenDescriptors descriptors;
  if (const std::optional<media::SoundFontTables> tables = media::SoundFontTables::Read(font)) {
    media::TuneInstruments tune;
    tune.presets[{0, 0}].set(60);
    tune.presets[{128, 0}].set(36);
    const std::vector<unsigned char> smaller = testing::SmallerFont(font, *tables, tune);
    const std::string smallerFont = fuzz::Scratch().Write("smaller.sf2", smaller.data(), smaller.size());
    const std::optional<media::SoundFontTables> reread = media::SoundFontTables::Read(smallerFont);
    if (!reread) fuzz::Fail("the smaller font written from " + font + " cannot be read back");
    for (const auto& [preset, keys] : tune.presets) {
      if (reread->Has(preset.first, preset.second) != tables->Has(preset.first, preset.second)) {
        fuzz::Fail("the smaller font written from " + font + " lost or gained a preset");
      }
    }
  }
  try {
    media::MidiSynth synth(font, 44100);
    synth.RenderWhole(kTune, 0.5, 2);
  } catch (const std::runtime_error&) {
    // A font that cannot be loaded says so, and the game shows it.
  }
  descriptors.ExpectNoneAdded(font);
  return 0;
}
