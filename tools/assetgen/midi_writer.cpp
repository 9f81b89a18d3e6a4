// Standard MIDI File encoding: chunks, variable-length delta times and the
// few event kinds the tunes use.
#include "midi_writer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace trimbol::assetgen {
namespace {

enum Order { kMeta = 0, kProgram = 1, kNoteOff = 2, kNoteOn = 3 };

void PutBE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

void PutVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(static_cast<std::uint8_t>(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

std::uint8_t Data(int value) {
  if (value < 0 || value > 127) throw std::out_of_range("MIDI data byte out of range");
  return static_cast<std::uint8_t>(value);
}

std::uint8_t Status(int kind, int channel) {
  if (channel < 0 || channel > 15) throw std::out_of_range("MIDI channel out of range");
  return static_cast<std::uint8_t>(kind | channel);
}

}  // namespace

void MidiTrack::Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::Name(const std::string& name) {
  std::vector<std::uint8_t> bytes{0xFF, 0x03};
  PutVarLen(bytes, static_cast<std::uint32_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  Add(0, kMeta, std::move(bytes));
}

void MidiTrack::Tempo(std::uint32_t tick, double beatsPerMinute) {
  const auto microsPerBeat = static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
  std::vector<std::uint8_t> bytes{0xFF, 0x51, 0x03};
  PutBE(bytes, microsPerBeat, 3);
  Add(tick, kMeta, std::move(bytes));
}

void MidiTrack::TimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit) {
  int power = 0;
  while ((1 << power) < beatUnit) ++power;
  // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter note.
  Add(tick, kMeta, {0xFF, 0x58, 0x04, Data(beatsPerBar), Data(power), 24, 8});
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, kProgram, {Status(0xC0, channel), Data(program)});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  Add(tick, kNoteOn, {Status(0x90, channel), Data(key), Data(velocity)});
  Add(tick + length, kNoteOff, {Status(0x80, channel), Data(key), 64});
}

std::vector<std::uint8_t> MidiTrack::Encode() const {
  std::vector<Event> sorted = events_;
  // Note-offs before note-ons at the same tick, so a repeated key is
  // released before it sounds again rather than cut short.
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const Event& e : sorted) {
    PutVarLen(body, e.tick - now);
    now = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  PutVarLen(body, 0);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
  PutBE(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

void WriteMidiFile(const std::filesystem::path& path, int ticksPerBeat, const std::vector<MidiTrack>& tracks) {
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
  PutBE(out, 6, 4);
  PutBE(out, 1, 2);  // format 1: simultaneous tracks
  PutBE(out, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBE(out, static_cast<std::uint32_t>(ticksPerBeat), 2);
  for (const MidiTrack& track : tracks) {
    const std::vector<std::uint8_t> chunk = track.Encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace trimbol::assetgen
