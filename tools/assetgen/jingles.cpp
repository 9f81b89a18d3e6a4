// The result sounds: a neutral cadence for a draw and a short fanfare for
// each side's win, each in its own key, rhythm and instrument.
#include <type_traits>
#include <vector>

#include "engine/file_names.h"
#include "sounds.h"

namespace trimbol::assetgen {
namespace {

struct Note {
  int key;       // MIDI key number
  double start;  // in beats
  double length; // in beats
  double gain = 1.0;
};

Signal Play(const Voice& voice, const std::vector<Note>& notes, double secondsPerBeat) {
  Signal out;
  for (const Note& n : notes)
    MixInto(out, Tone(voice, NoteHz(n.key), n.length * secondsPerBeat), n.start * secondsPerBeat, n.gain);
  Finish(out, 0.89, 0.002, 0.03);
  return out;
}

// Adds a held chord under the last melody note to round the fanfare off.
void AddChord(std::vector<Note>& notes, std::initializer_list<int> keys, double start, double length) {
  for (int key : keys) notes.push_back({key, start, length, 0.2});
}

// Crosses: a brass call up the C major triad.
Signal CrossesWin() {
  const Voice brass{{1, 0.8, 0.6, 0.45, 0.3, 0.2, 0.12, 0.08}, 0.02, 0.06, 0, 0.06, 0.004};
  std::vector<Note> notes{{67, 0, 1}, {72, 1, 1}, {76, 2, 1}, {79, 3, 2}, {76, 5, 1}, {79, 6, 5}};
  AddChord(notes, {60, 64, 67}, 6, 5);
  return Play(brass, notes, 0.16);
}

// Noughts: a round, flute-like triplet call in D major.
Signal NoughtsWin() {
  const Voice flute{{1, 0.25, 0.12, 0.05}, 0.02, 0.04, 0, 0, 0.005};
  std::vector<Note> notes{{74, 0, 1}, {74, 1, 1}, {74, 2, 1}, {81, 3, 3}, {78, 6, 1}, {81, 7, 1}, {86, 8, 6}};
  AddChord(notes, {62, 66, 69}, 8, 6);
  return Play(flute, notes, 0.13);
}

// Squiggles: a reedy zig-zag up and down through E flat major.
Signal SquigglesWin() {
  const Voice reed{{1, 0, 0.5, 0, 0.3, 0, 0.15}, 0.015, 0.05, 0, 0, 0.003};
  std::vector<Note> notes{{70, 0, 1}, {79, 1, 1}, {75, 2, 1}, {82, 3, 1}, {79, 4, 1}, {87, 5, 6}};
  AddChord(notes, {63, 67, 70}, 5, 6);
  return Play(reed, notes, 0.14);
}

// Spirals: a harp winding up two octaves of F major and ringing out.
Signal SpiralsWin() {
  const Voice harp{{1, 0.3, 0.1}, 0.003, 0.08, 0.35, 0, 0};
  std::vector<Note> notes;
  const int run[] = {53, 57, 60, 65, 69, 72, 77, 81};
  for (int i = 0; i < 8; ++i) notes.push_back({run[i], static_cast<double>(i), 12 - i * 0.5});
  AddChord(notes, {65, 69, 72, 77}, 8, 10);
  return Play(harp, notes, 0.09);
}

// Draw: a soft "amen", F major resolving to C major, neither glad nor sad.
Signal DrawCadence() {
  const Voice soft{{1, 0.15, 0.05}, 0.08, 0.25, 0, 0, 0};
  std::vector<Note> notes;
  for (int key : {53, 57, 60, 65}) notes.push_back({key, 0, 0.95});
  for (int key : {48, 55, 60, 64}) notes.push_back({key, 0.9, 1.2});
  return Play(soft, notes, 1.0);
}

}  // namespace

std::vector<NamedSound> ResultSounds() {
  std::vector<NamedSound> sounds;
  // By result code: a draw, then the wins of sides 1..4.
  const Signal jingles[] = {DrawCadence(), CrossesWin(), NoughtsWin(), SquigglesWin(), SpiralsWin()};
  static_assert(std::extent_v<decltype(jingles)> == files::kResultSounds.size(), "a jingle for each result");
  for (std::size_t result = 0; result < std::size(jingles); ++result) {
    sounds.push_back({std::string(files::kResultSounds[result]), jingles[result]});
  }
  return sounds;
}

}  // namespace trimbol::assetgen
