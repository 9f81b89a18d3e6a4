// Reading the events of a standard MIDI file's tracks, for the checks and
// scans that need to know what a tune does without playing it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace trimbol::media {

// General MIDI's drum channel (the tenth, counted from zero) and the bank
// its kits are in.
inline constexpr int kDrumChannel = 9;
inline constexpr int kDrumBank = 128;

// Told each event of a track, in order; `index` counts the track's events.
class TrackListener {
 public:
  virtual ~TrackListener() = default;
  virtual void OnChannelEvent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::uint64_t tick,
                              std::uint32_t index) = 0;
  virtual void OnTempo(std::uint64_t /*tick*/, std::uint32_t /*microsPerQuarter*/) {}
  virtual void OnSystemExclusive() {}
};

// Reads one track's events (the body of its MTrk chunk); returns the tick it
// ends at, or nothing when its events are damaged or cut short.
std::optional<std::uint64_t> ReadTrackEvents(std::span<const unsigned char> track, TrackListener& listener);

}  // namespace trimbol::media
