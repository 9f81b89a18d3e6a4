// Turning a tune's melody and chord symbols into MIDI tracks: the melody,
// a "bass on the strong beat, chord on the weak beat" accompaniment and,
// if asked for, a light drum kit.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "midi_writer.h"

namespace trimbol::assetgen {

// A stretch of a tune played on one melody instrument.
struct Section {
  std::string_view melody;  // notation.h
  std::string_view chords;  // as long as the melody
  int melodyProgram;        // General MIDI program, 0-based
  int transpose = 0;        // semitones, melody only
  double beatsPerMinute = 0;  // a new tempo from here on; 0 keeps the tempo
};

struct Tune {
  std::string fileName;
  std::string title;
  double beatsPerMinute;
  int beatsPerBar, beatUnit;
  int chordProgram, bassProgram;
  bool drums;
  std::vector<Section> sections;
};

inline constexpr int kTicksPerBeat = 480;

// A format 1 arrangement: conductor, melody (channel 1), chords (2),
// bass (3) and drums (10) if the tune has them. The last chord is held and
// the last bar slows down. Throws std::invalid_argument on faulty note data.
std::vector<MidiTrack> Arrange(const Tune& tune);

}  // namespace trimbol::assetgen
