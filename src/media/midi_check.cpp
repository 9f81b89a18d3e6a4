// Reads the header and every track of a standard MIDI file, and times the
// tracks with the tempo changes of all of them: the file plays until its
// last track ends, or for ever when it leaves a note sounding.
#include "media/midi_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "media/file_bytes.h"
#include "media/midi_events.h"

namespace trimbol::media {
namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note


// Where an event stands in the whole file: its tick, then its track, then
// its place in the track.
struct When {
  std::uint64_t tick = 0;
  std::uint32_t track = 0;
  std::uint32_t index = 0;
  auto operator<=>(const When&) const = default;
};

// What the notes of every channel were last told, across all tracks. The
// synthesiser renders a decoded sound until its last voice falls silent, and
// a sustaining instrument whose note is never released sounds for ever.
class NoteStates {
 public:
  void Event(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, const When& when) {
    const int channel = status & 0x0F;
    Channel& c = channels_[channel];
    switch (status & 0xF0) {
      case 0x90:
        if (data2 != 0) {
          Later(c.pressed[data1], when);
          break;
        }
        [[fallthrough]];  // a note on at no velocity releases the key
      case 0x80: Later(c.released[data1], when); break;
      case 0xB0:
        if (data1 == 64) Later(data2 >= 64 ? c.pedalDown : c.pedalUp, when);  // the sustain pedal
        if (data1 == 121) Later(c.pedalUp, when);                          // controllers reset
        if (data1 == 120 || data1 >= 123) Later(c.allOff, when);             // all sound or notes off
        break;
      default: break;
    }
  }

  // Whether a melodic channel still holds a note, by its key or its pedal,
  // when the last track ends.
  bool AnySounding() const {
    for (int channel = 0; channel < 16; ++channel) {
      if (channel == kDrumChannel) continue;  // its sounds end by themselves, released or not
      const Channel& c = channels_[channel];
      const bool pedalHeld = c.pedalDown && (!c.pedalUp || *c.pedalUp < *c.pedalDown);
      for (int key = 0; key < 128; ++key) {
        const std::optional<When>& on = c.pressed[key];
        if (!on || (c.allOff && *on < *c.allOff)) continue;
        const bool keyHeld = !c.released[key] || *c.released[key] < *on;
        // A key let go while the pedal is down sounds on until the pedal rises.
        if (keyHeld || (pedalHeld && *c.released[key] > *c.pedalDown)) return true;
      }
    }
    return false;
  }

 private:
  struct Channel {
    std::array<std::optional<When>, 128> pressed, released;
    std::optional<When> pedalDown, pedalUp, allOff;
  };
  static void Later(std::optional<When>& last, const When& when) {
    if (!last || *last < when) last = when;
  }
  std::array<Channel, 16> channels_;
};

// What the check wants of each track: its notes, for the note states of
// the whole file, and its tempo changes.
class TrackTimes : public TrackListener {
 public:
  TrackTimes(std::uint32_t trackNumber, NoteStates& notes, std::multimap<std::uint64_t, std::uint32_t>& tempos)
      : trackNumber_(trackNumber), notes_(notes), tempos_(tempos) {}

  void OnChannelEvent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::uint64_t tick,
                      std::uint32_t index) override {
    notes_.Event(status, data1, data2, {tick, trackNumber_, index});
  }
  void OnTempo(std::uint64_t tick, std::uint32_t tempo) override { tempos_.emplace(tick, tempo); }

 private:
  std::uint32_t trackNumber_;
  NoteStates& notes_;
  std::multimap<std::uint64_t, std::uint32_t>& tempos_;
};

// Seconds from the start to `endTick` at `division` ticks per quarter note,
// with the tempo changes of all tracks.
double Seconds(std::uint64_t endTick, const std::multimap<std::uint64_t, std::uint32_t>& tempos,
               std::uint16_t division) {
  double micros = 0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = kDefaultTempo;
  for (const auto& [at, next] : tempos) {
    if (at >= endTick) break;
    micros += static_cast<double>(at - tick) * tempo;
    tick = at;
    tempo = next;
  }
  micros += static_cast<double>(endTick - tick) * tempo;
  return micros / division / 1e6;
}

}  // namespace

SoundCheck CheckMidi(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  std::array<unsigned char, 14> header{};
  if (ReadAt(data, 0, header) != header.size()) return {"the MIDI file is cut short"};
  const std::uint32_t headerLength = BigEndian(&header[4], 4);
  const std::uint32_t trackCount = BigEndian(&header[10], 2);
  const auto division = static_cast<std::uint16_t>(BigEndian(&header[12], 2));
  const std::uint32_t format = BigEndian(&header[8], 2);
  // The synthesiser plays nothing from a header of another length or format.
  if (headerLength != 6 || format > 2 || division == 0) return {"the MIDI file's header is damaged"};
  // The synthesiser times only in ticks per quarter note; it would open a
  // file timed in SMPTE frames and play nothing.
  if (division & 0x8000) return {"the MIDI file is timed in SMPTE frames, which cannot be played"};
  if (trackCount == 0) return {"the MIDI file holds no tracks"};

  // Walk the chunks after the header; each declared length must fit inside
  // the file until all the tracks the header promises have been read.
  Sint64 at = 8 + Sint64{headerLength};
  std::uint32_t tracksSeen = 0;
  std::uint64_t endTick = 0;
  std::multimap<std::uint64_t, std::uint32_t> tempos;
  NoteStates notes;
  while (tracksSeen < trackCount) {
    std::array<unsigned char, 8> chunk{};
    if (at + 8 > size || ReadAt(data, at, chunk) != chunk.size()) return {"the MIDI file is cut short"};
    const std::uint32_t length = BigEndian(&chunk[4], 4);
    const Sint64 body = at + 8;
    at = body + length;
    if (at > size) return {"the MIDI file is cut short"};
    if (std::memcmp(chunk.data(), "MTrk", 4) != 0) continue;
    ++tracksSeen;
    std::vector<unsigned char> bytes(length);
    ReadAt(data, body, bytes);
    TrackTimes times(tracksSeen, notes, tempos);
    const std::optional<std::uint64_t> trackEnd = ReadTrackEvents(bytes, times);
    if (!trackEnd) return {"the MIDI file's track data is damaged"};
    endTick = std::max(endTick, *trackEnd);
  }
  if (notes.AnySounding()) return {{}, std::numeric_limits<double>::infinity()};
  return {{}, Seconds(endTick, tempos, division)};
}

}  // namespace trimbol::media
