// Building and writing Standard MIDI Files (format 1).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trimbol::assetgen {

// One track of events at absolute tick positions; the writer sorts them
// and turns them into delta times.
class MidiTrack {
 public:
  void Name(const std::string& name);
  void Tempo(std::uint32_t tick, double beatsPerMinute);
  void TimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit);
  void Program(std::uint32_t tick, int channel, int program);
  // A note from `tick` lasting `length` ticks.
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

  // The track's MTrk chunk, ending with end-of-track.
  std::vector<std::uint8_t> Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at one tick: meta, then program changes, then note-offs, then note-ons
    std::vector<std::uint8_t> bytes;
  };
  void Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);
  std::vector<Event> events_;
};

// Writes a format 1 file with `ticksPerBeat` divisions. Throws
// std::runtime_error if the file cannot be written.
void WriteMidiFile(const std::filesystem::path& path, int ticksPerBeat, const std::vector<MidiTrack>& tracks);

}  // namespace trimbol::assetgen
