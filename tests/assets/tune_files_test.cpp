// The shipped tunes "8.mid" and "9.mid": well-formed Standard MIDI Files
// with melody and accompaniment on separate channels, half a minute to a
// minute and a half long.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/file_names.h"

namespace {

namespace fs = std::filesystem;

const fs::path kRunDir = TRIMBOL_RUN_DIR;

struct Midi {
  int format = -1, division = 0, declaredTracks = 0, tracks = 0;
  std::map<std::uint32_t, std::uint32_t> tempos;  // tick -> microseconds per beat
  std::map<int, int> notesByChannel;              // note-ons per channel 0..15
  int programChanges = 0, hangingNotes = 0;
  std::uint32_t endTick = 0;
};

std::uint32_t BE(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

// Parses one MTrk body, with running status, failing the test on anything
// a player would choke on.
void ReadTrack(const std::vector<unsigned char>& b, std::size_t at, std::size_t end, Midi& midi) {
  auto varLen = [&](std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      ASSERT_LT(at, end);
      const unsigned char byte = b[at++];
      value = value << 7 | (byte & 0x7F);
      if (!(byte & 0x80)) return;
    }
    FAIL() << "variable-length number longer than four bytes";
  };
  std::uint32_t tick = 0;
  unsigned char status = 0;
  bool ended = false;
  std::map<std::pair<int, int>, int> sounding;  // (channel, key) -> open note-ons
  while (at < end && !ended) {
    std::uint32_t delta;
    ASSERT_NO_FATAL_FAILURE(varLen(delta));
    tick += delta;
    ASSERT_LT(at, end);
    if (b[at] & 0x80) status = b[at++];
    ASSERT_NE(status, 0) << "running status without a status byte";
    if (status == 0xFF) {
      ASSERT_LT(at, end);
      const unsigned char type = b[at++];
      std::uint32_t length;
      ASSERT_NO_FATAL_FAILURE(varLen(length));
      ASSERT_LE(at + length, end);
      if (type == 0x51) {
        ASSERT_EQ(length, 3u);
        midi.tempos[tick] = BE(b, at, 3);
      }
      ended = type == 0x2F;
      at += length;
      status = 0;  // meta events cancel running status
    } else if (status == 0xF0 || status == 0xF7) {
      std::uint32_t length;
      ASSERT_NO_FATAL_FAILURE(varLen(length));
      at += length;
      status = 0;
    } else {
      const int kind = status & 0xF0, channel = status & 0x0F;
      const std::size_t dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      ASSERT_LE(at + dataBytes, end);
      const int key = b[at], velocity = dataBytes == 2 ? b[at + 1] : 0;
      at += dataBytes;
      if (kind == 0x90 && velocity > 0) {
        ++midi.notesByChannel[channel];
        ++sounding[{channel, key}];
      } else if (kind == 0x80 || kind == 0x90) {
        --sounding[{channel, key}];
      } else if (kind == 0xC0) {
        ++midi.programChanges;
      }
    }
    midi.endTick = std::max(midi.endTick, tick);
  }
  EXPECT_TRUE(ended) << "track without end-of-track";
  EXPECT_EQ(at, end) << "bytes after end-of-track";
  for (const auto& [note, open] : sounding) midi.hangingNotes += open != 0;
}

void ReadMidi(const fs::path& path, Midi& midi) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_GE(b.size(), 14u);
  ASSERT_EQ(std::memcmp(b.data(), "MThd", 4), 0);
  ASSERT_EQ(BE(b, 4, 4), 6u);
  midi.format = static_cast<int>(BE(b, 8, 2));
  midi.declaredTracks = static_cast<int>(BE(b, 10, 2));
  midi.division = static_cast<int>(BE(b, 12, 2));
  for (std::size_t at = 14; at < b.size();) {
    ASSERT_LE(at + 8, b.size());
    ASSERT_EQ(std::memcmp(b.data() + at, "MTrk", 4), 0) << "at byte " << at;
    const std::size_t end = at + 8 + BE(b, at + 4, 4);
    ASSERT_LE(end, b.size());
    ASSERT_NO_FATAL_FAILURE(ReadTrack(b, at + 8, end, midi));
    ++midi.tracks;
    at = end;
  }
}

// Seconds from the start to `endTick`, following every tempo change.
double Seconds(const Midi& midi) {
  double seconds = 0, microsPerBeat = 500000;  // 120 beats a minute until told otherwise
  std::uint32_t tick = 0;
  for (const auto& [at, tempo] : midi.tempos) {
    if (at >= midi.endTick) break;
    seconds += (at - tick) * microsPerBeat / 1e6 / midi.division;
    tick = at;
    microsPerBeat = tempo;
  }
  return seconds + (midi.endTick - tick) * microsPerBeat / 1e6 / midi.division;
}

TEST(TuneFiles, AreStandardMidiFilesWithMelodyAndAccompaniment) {
  for (std::string_view name : trimbol::files::kShippedMusic) {
    SCOPED_TRACE(name);
    Midi midi;
    ASSERT_NO_FATAL_FAILURE(ReadMidi(kRunDir / name, midi));
    EXPECT_TRUE(midi.format == 0 || midi.format == 1);
    EXPECT_EQ(midi.tracks, midi.declaredTracks);
    if (midi.format == 0) {
      EXPECT_EQ(midi.tracks, 1);
    }
    EXPECT_GT(midi.division, 0) << "expected ticks per beat, not SMPTE time";
    int channelsWithNotes = 0;
    for (const auto& [channel, notes] : midi.notesByChannel) channelsWithNotes += notes >= 16;
    EXPECT_GE(channelsWithNotes, 2) << "a tune needs a melody and an accompaniment";
    EXPECT_GT(midi.programChanges, 0) << "without program changes every part plays on a piano";
    EXPECT_EQ(midi.hangingNotes, 0) << "notes switched on and never off";
    EXPECT_FALSE(midi.tempos.empty());
    const double seconds = Seconds(midi);
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 90.0);
  }
}

TEST(TuneFiles, AreTwoDifferentTunes) {
  auto read = [](std::string_view name) {
    std::ifstream in(kRunDir / name, std::ios::binary);
    return std::vector<char>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  };
  EXPECT_NE(read(trimbol::files::kShippedMusic[0]), read(trimbol::files::kShippedMusic[1]));
}

}  // namespace
