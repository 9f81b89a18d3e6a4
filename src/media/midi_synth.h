// The MIDI synthesiser: FluidSynth driven directly. SDL_mixer would make a
// synthesiser and load the whole soundfont into memory for every tune (half
// a second and 150 MB with a large General MIDI font); this one is made once,
// at a player's first MIDI file, keeps its soundfont across releases of the
// output, and gives each tune a font that holds only the instruments it can
// sound, on the keys it plays, so only their samples are read.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "media/soundfont_tables.h"
#include "media/tune_instruments.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_midi_event_t;

namespace trimbol::media {

class MidiSynth {
 public:
  // Loads the soundfonts (colon-separated, the first found wins for a
  // preset) for output at `sampleRate` Hz. Throws std::runtime_error saying
  // why when none can be loaded.
  MidiSynth(const std::string& soundFonts, int sampleRate);
  ~MidiSynth();
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;

  int SampleRate() const { return sampleRate_; }
  // The soundfont files the synthesiser has loaded, as it names them.
  std::vector<std::string> LoadedFonts() const;

  // Starts a tune, given as a whole standard MIDI file that plays `seconds`,
  // from its beginning, in place of any other; false when the synthesiser
  // refuses the file. Throws std::runtime_error when no soundfont can be
  // loaded for it any more.
  bool Start(std::span<const unsigned char> tune, double seconds);
  // Reads the samples of every instrument the started tune can sound, so
  // the audio thread does not wait on the font's file, also when a channel
  // goes back to an instrument it left; they are let go in Stop. May run
  // while the audio thread renders the tune's start, to overlap its wait for
  // the output: FluidSynth's calls take turns, and a program change that
  // comes first reads its instrument itself.
  void ReadTuneInstruments();
  // Silences the synthesiser at once and forgets the tune.
  void Stop();
  // True from Start while the tune plays and its last notes die away, for a
  // while at most. (FluidSynth's own player reports a tune over seconds
  // after its last note.)
  bool Sounding() const;

  // Writes the next `frames` frames as interleaved 16-bit samples for
  // `channels` channels: stereo as it is, mono mixed down, and the left and
  // right fronts of more channels.
  void Render(std::int16_t* out, int frames, int channels);
  // Renders a tune that plays `seconds` whole, with its dying notes.
  // Throws std::runtime_error when the synthesiser refuses the file.
  std::vector<std::int16_t> RenderWhole(std::span<const unsigned char> tune, double seconds, int channels);

 private:
  // Channels start without an instrument, so none is read from the font
  // before a tune asks for it; this passes the tune's events on and gives a
  // channel its default instrument at its first note, as after a reset.
  static int HandleEvent(void* self, _fluid_midi_event_t* event);
  // What the tune needs of the fonts: everything, unless each font's tables
  // could be read.
  TuneInstruments InstrumentsFor(std::span<const unsigned char> tune) const;
  // Loads the fonts as `tune` needs them, in place of those loaded for the
  // last tune; throws std::runtime_error when none can be loaded.
  void LoadFontsFor(const TuneInstruments& tune);

  struct Font {
    std::string path;
    std::optional<SoundFontTables> tables;  // none: the font is loaded whole
  };

  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_player_t* player_ = nullptr;
  int sampleRate_;
  std::string soundFonts_;
  std::vector<Font> fonts_;  // in the order given: the first found wins
  std::vector<int> loadedIds_;
  std::optional<TuneInstruments> loadedFor_;
  struct Pinned {
    int font, bank, program;
  };
  std::vector<Pinned> pinned_;
  std::uint32_t programmed_ = 0;  // channels the tune has given an instrument
  std::int64_t tuneFrames_ = 0;
  std::atomic<std::int64_t> renderedFrames_{0};  // counted on the audio thread
  std::vector<std::int16_t> stereo_;  // for outputs that are not stereo
};

}  // namespace trimbol::media
