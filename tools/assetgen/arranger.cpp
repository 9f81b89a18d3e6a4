// The accompaniment patterns and the conductor track of the tunes.
#include "arranger.h"

#include <algorithm>
#include <stdexcept>

#include "notation.h"

namespace trimbol::assetgen {
namespace {

constexpr int kMelodyChannel = 0, kChordChannel = 1, kBassChannel = 2, kDrumChannel = 9;
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kCrash = 49;

// The key of pitch class `pc` within [low, low + 12).
int KeyFrom(int pc, int low) { return low + ((pc - low) % 12 + 12) % 12; }

void AddMelody(MidiTrack& track, const Section& section, const Metre& metre, std::uint32_t offset, bool lastSection) {
  const auto notes = ParseMelody(section.melody, metre);
  const auto barTicks = static_cast<std::uint32_t>(metre.ticksPerBeat * metre.beatsPerBar);
  track.Program(offset, kMelodyChannel, section.melodyProgram);
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const MelodyNote& n = notes[i];
    if (n.key < 0) continue;
    // Accent the downbeat a little; the final note rings for its full value.
    const int velocity = n.start % barTicks == 0 ? 104 : 92;
    const bool last = lastSection && i + 1 == notes.size();
    const std::uint32_t length = last ? n.length : n.length - n.length / 10;
    track.Note(offset + n.start, length, kMelodyChannel, n.key + section.transpose, velocity);
  }
}

void AddAccompaniment(MidiTrack& chords, MidiTrack& bass, MidiTrack* drums, const std::vector<ChordSpan>& spans,
                      const Metre& metre, std::uint32_t offset, bool lastSection) {
  const auto beat = static_cast<std::uint32_t>(metre.ticksPerBeat);
  for (std::size_t c = 0; c < spans.size(); ++c) {
    const ChordSpan& span = spans[c];
    const int root = KeyFrom(span.root, 40);  // E2..D#3
    if (lastSection && c + 1 == spans.size()) {
      // The closing chord: held whole, bass and all, with a cymbal.
      for (int interval : span.intervals) chords.Note(offset + span.start, span.length, kChordChannel, KeyFrom(span.root + interval, 55), 70);
      bass.Note(offset + span.start, span.length, kBassChannel, root, 90);
      if (drums) drums->Note(offset + span.start, beat * 2, kDrumChannel, kCrash, 90);
      return;
    }
    bool rootPlayed = false;
    for (std::uint32_t t = span.start; t < span.start + span.length; t += beat) {
      const std::uint32_t length = std::min(beat, span.start + span.length - t);
      const auto beatInBar = (t / beat) % static_cast<std::uint32_t>(metre.beatsPerBar);
      if (beatInBar % 2 == 0) {
        // Strong beat: the bass, root first and then the fifth below it.
        bass.Note(offset + t, length - length / 10, kBassChannel, rootPlayed ? root - 5 : root, 88);
        rootPlayed = true;
        if (drums) drums->Note(offset + t, beat / 2, kDrumChannel, kKick, 90);
      } else {
        // Weak beat: the chord, short and off the beat's end.
        for (int interval : span.intervals)
          chords.Note(offset + t, length - length / 4, kChordChannel, KeyFrom(span.root + interval, 55), 62);
        if (drums) drums->Note(offset + t, beat / 2, kDrumChannel, kSnare, 70);
      }
      if (drums)
        for (std::uint32_t half = 0; half < length; half += beat / 2)
          drums->Note(offset + t + half, beat / 4, kDrumChannel, kClosedHat, half == 0 ? 56 : 44);
    }
  }
}

}  // namespace

std::vector<MidiTrack> Arrange(const Tune& tune) {
  const Metre metre{kTicksPerBeat, tune.beatsPerBar, tune.beatUnit};
  MidiTrack conductor, melody, chords, bass, drums;
  conductor.Name(tune.title);
  conductor.TimeSignature(0, tune.beatsPerBar, tune.beatUnit);
  conductor.Tempo(0, tune.beatsPerMinute);
  melody.Name("Melody");
  chords.Name("Chords");
  bass.Name("Bass");
  drums.Name("Drums");
  chords.Program(0, kChordChannel, tune.chordProgram);
  bass.Program(0, kBassChannel, tune.bassProgram);

  std::uint32_t offset = 0;
  double tempo = tune.beatsPerMinute;
  for (std::size_t s = 0; s < tune.sections.size(); ++s) {
    const Section& section = tune.sections[s];
    const bool last = s + 1 == tune.sections.size();
    const auto spans = ParseChords(section.chords, metre);
    const std::uint32_t length = PassageLength(spans);
    if (PassageLength(ParseMelody(section.melody, metre)) != length)
      throw std::invalid_argument(tune.title + ": melody and chords of section " + std::to_string(s + 1) +
                                  " differ in length");
    if (section.beatsPerMinute > 0) {
      tempo = section.beatsPerMinute;
      conductor.Tempo(offset, tempo);
    }
    AddMelody(melody, section, metre, offset, last);
    AddAccompaniment(chords, bass, tune.drums ? &drums : nullptr, spans, metre, offset, last);
    offset += length;
    if (last) {
      // Broaden the last bar beat by beat.
      const auto beats = static_cast<std::uint32_t>(tune.beatsPerBar);
      const std::uint32_t barStart = offset - beats * kTicksPerBeat;
      for (std::uint32_t b = 0; b < beats; ++b)
        conductor.Tempo(barStart + b * kTicksPerBeat, tempo * (1.0 - 0.1 * (b + 1) / beats));
    }
  }
  std::vector<MidiTrack> tracks{conductor, melody, chords, bass};
  if (tune.drums) tracks.push_back(drums);
  return tracks;
}

}  // namespace trimbol::assetgen
