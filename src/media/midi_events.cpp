// Reading the events of one MIDI track: variable-length deltas, running
// status, meta and system exclusive events skipped by their lengths.
#include "media/midi_events.h"

#include <array>

#include "media/file_bytes.h"

namespace trimbol::media {
namespace {

class EventReader {
 public:
  explicit EventReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  std::optional<std::uint64_t> Read(TrackListener& listener) {
    std::uint64_t tick = 0;
    std::uint8_t status = 0;  // running status
    for (std::uint32_t index = 0; at_ < bytes_.size(); ++index) {
      std::uint32_t delta = 0;
      if (!Number(delta)) return std::nullopt;
      tick += delta;
      std::uint8_t first = 0;
      if (!Byte(first)) return std::nullopt;
      if (first == 0xFF) {  // meta event
        std::uint8_t type = 0;
        std::uint32_t length = 0;
        if (!Byte(type) || !Number(length) || length > bytes_.size() - at_) return std::nullopt;
        if (type == 0x51 && length == 3) listener.OnTempo(tick, BigEndian(&bytes_[at_], 3));
        at_ += length;
        if (type == 0x2F) return tick;  // end of track
      } else if (first == 0xF0 || first == 0xF7) {  // system exclusive
        std::uint32_t length = 0;
        if (!Number(length) || length > bytes_.size() - at_) return std::nullopt;
        at_ += length;
        listener.OnSystemExclusive();
      } else {
        if (first & 0x80) {
          if (first > 0xEF) return std::nullopt;  // no system common or real-time messages in a file
          status = first;
        } else {
          if (status == 0) return std::nullopt;  // data without a status
          --at_;                                 // the byte is the first data byte
        }
        const std::size_t dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        std::array<std::uint8_t, 2> data{};
        for (std::size_t i = 0; i < dataBytes; ++i) {
          if (!Byte(data[i]) || (data[i] & 0x80)) return std::nullopt;
        }
        listener.OnChannelEvent(status, data[0], data[1], tick, index);
      }
    }
    return tick;  // a track may end without its end marker
  }

 private:
  bool Byte(std::uint8_t& value) {
    if (at_ >= bytes_.size()) return false;
    value = bytes_[at_++];
    return true;
  }
  // A variable-length quantity: at most four bytes of seven bits.
  bool Number(std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t byte = 0;
      if (!Byte(byte)) return false;
      value = (value << 7) | (byte & 0x7F);
      if (!(byte & 0x80)) return true;
    }
    return false;
  }

  std::span<const unsigned char> bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<std::uint64_t> ReadTrackEvents(std::span<const unsigned char> track, TrackListener& listener) {
  return EventReader(track).Read(listener);
}

}  // namespace trimbol::media
