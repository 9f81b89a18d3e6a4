// A small text notation for writing tunes by hand, and its parser.
//
// Melody: whitespace-separated notes such as "f#4/8" (pitch, octave, then
// the note value as a fraction of a whole: /1 /2 /4 /8 /16, a trailing dot
// adds half), rests "r/4", and bar lines "|". Middle C is "c4".
// Chords: symbols such as "Dm/2", "A7/4", "Bb/1", "F#dim/2" (major, m, 7,
// m7, dim) with the same note values and bar lines.
// Every bar line is checked against the metre, so a miscounted bar stops
// the build instead of putting the tune out of step.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace trimbol::assetgen {

struct Metre {
  int ticksPerBeat;
  int beatsPerBar;
  int beatUnit;  // 4: the beat is a quarter note
};

struct MelodyNote {
  int key;  // MIDI key; -1 for a rest
  std::uint32_t start, length;  // ticks from the start of the passage
};

struct ChordSpan {
  int root;                    // pitch class 0..11, C = 0
  std::vector<int> intervals;  // semitones above the root, the root's 0 first
  std::uint32_t start, length;
};

// Both throw std::invalid_argument naming the offending token or bar.
std::vector<MelodyNote> ParseMelody(std::string_view text, const Metre& metre);
std::vector<ChordSpan> ParseChords(std::string_view text, const Metre& metre);

// Length in ticks of a parsed passage.
std::uint32_t PassageLength(const std::vector<MelodyNote>& notes);
std::uint32_t PassageLength(const std::vector<ChordSpan>& chords);

}  // namespace trimbol::assetgen
