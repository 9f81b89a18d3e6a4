// Files that cannot be opened: every kind of failure throws FileError naming
// the file, closes what the player had, and leaves the players usable.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>

#include "media/open_failure.h"
#include "sound_fixtures.h"

namespace trimbol::media::testing {
namespace {

class BadFilesTest : public ::testing::Test {
 protected:
  SoundFolder folder;
  const std::string good = folder.WriteWave("good.wav", 2);
  MediaPlayers players;
};

// Sampler chunk with one forward loop over frames first..last.
Bytes LoopChunk(std::uint32_t first, std::uint32_t last) {
  Bytes body(36, 0);
  body[28] = 1;  // one loop
  const std::uint32_t loop[6] = {0, 0, first, last, 0, 0};
  for (std::uint32_t value : loop) {
    for (int i = 0; i < 4; ++i) body.push_back(static_cast<unsigned char>(value >> (8 * i)));
  }
  return Chunk("smpl", body);
}

// An "INFO" list with one title field of `size` bytes.
Bytes TitleChunk(const std::string& title, std::uint32_t size) {
  Bytes body = {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M'};
  for (int i = 0; i < 4; ++i) body.push_back(static_cast<unsigned char>(size >> (8 * i)));
  body.insert(body.end(), title.begin(), title.end());
  return Chunk("LIST", body);
}

// MidiBytes with its header's format, length or division changed.
Bytes MidiWithHeader(std::uint16_t format, std::uint16_t division, bool longHeader = false) {
  Bytes bytes = MidiBytes();
  bytes[8] = static_cast<unsigned char>(format >> 8);
  bytes[9] = static_cast<unsigned char>(format);
  bytes[12] = static_cast<unsigned char>(division >> 8);
  bytes[13] = static_cast<unsigned char>(division);
  if (longHeader) {
    bytes[7] = 8;
    bytes.insert(bytes.begin() + 14, {0, 0});
  }
  return bytes;
}

TEST_F(BadFilesTest, EachFailureNamesTheFileAndLeavesThePlayerUsable) {
  Bytes no_tracks = Head(MidiBytes(), 14);
  no_tracks[11] = 0;
  Bytes system_message = MidiBytes();
  system_message[26] = 0xF1;  // the first note-on's status
  const std::string dir = folder.path() + "/";
  ::mkdir((dir + "folder.wav").c_str(), 0755);
  ::mkfifo((dir + "pipe.wav").c_str(), 0644);
  folder.Write("plain", Bytes(10, 'x'));
  // File and the reason after the name; an empty reason stands for any
  // description of SDL's own.
  const std::pair<std::string, std::string> cases[] = {
      {"missing.wav", "No such file or directory"},
      {"plain/inside.wav", "Not a directory"},
      {"folder.wav", "Is a directory"},
      {"pipe.wav", "not a regular file"},
      {folder.Write("empty.wav", {}), "the file is empty"},
      {folder.Write("noise.wav", Bytes(300, 'x')), "not a WAV, MP3 or MIDI sound"},
      {folder.Write("noise.mp3", Bytes(300, 'x')), "not a WAV, MP3 or MIDI sound"},
      {folder.Write("noise.mid", Bytes(300, 'x')), "not a WAV, MP3 or MIDI sound"},
      // Eleven sync bits without layer III are no MP3 frame, whatever the decoder would say.
      {folder.Write("frame-sync-only.mp3", Concat(FromHex("ffe0"), Bytes(300, 0))), "not a WAV, MP3 or MIDI sound"},
      {folder.Write("cut.wav", Head(WaveBytes(1), 20)), ""},
      {folder.Write("cut.mp3", {0xFF, 0xF3, 0x40, 0xC4, 0, 0, 0, 0, 0, 0}), ""},
      {folder.Write("cut-header.mid", Head(MidiBytes(), 10)), "the MIDI file is cut short"},
      {folder.Write("cut-track.mid", Head(MidiBytes(), MidiBytes().size() - 3)), "the MIDI file is cut short"},
      {folder.Write("no-tracks.mid", no_tracks), "the MIDI file holds no tracks"},
      {folder.Write("long-header.mid", MidiWithHeader(1, 96, true)), "the MIDI file's header is damaged"},
      {folder.Write("format-7.mid", MidiWithHeader(7, 96)), "the MIDI file's header is damaged"},
      {folder.Write("no-division.mid", MidiWithHeader(1, 0)), "the MIDI file's header is damaged"},
      {folder.Write("smpte.mid", MidiWithHeader(1, 0xE728)),
       "the MIDI file is timed in SMPTE frames, which cannot be played"},
      {folder.Write("system-message.mid", system_message), "the MIDI file's track data is damaged"},
      // The streaming WAV reader would divide by the channel count kept in a
      // byte: 0 and 256 both give 0.
      {folder.Write("no-channels.wav",
                    FromHex("524946462500000057415645666d74201000000001000000401f0000401f00000100080064617461"
                            "0100000080")),
       "Invalid number of channels"},
      {folder.Write("256-channels.wav",
                    FromHex("524946462500000057415645666d74201000000001000001401f0000401f00000100080064617461"
                            "0100000080")),
       "Number of channels exceeds limit of 255"},
      {folder.Write("no-rate.wav", SmallWave(0, 100)), "Invalid sample rate"},
      // SDL's resampler sums in 32 bits, which a rate like this overflows.
      {folder.Write("fast.wav", SmallWave(1850285888, 100)), "Sample rate exceeds limit of 768000"},
      {folder.Write("loop-past-the-end.wav", SmallWave(8000, 100, LoopChunk(10, 100))),
       "the WAV file's loop points are damaged"},
      {folder.Write("loop-backwards.wav", SmallWave(8000, 100, LoopChunk(50, 10))),
       "the WAV file's loop points are damaged"},
      {folder.Write("title-without-end.wav", SmallWave(8000, 100, TitleChunk("abcd", 4))),
       "the WAV file's tags are damaged"},
      // The streaming reader would first ask for the 4 GB the loop chunk claims.
      {folder.Write("huge-loop-chunk.wav", SmallWave(8000, 100, FromHex("736d706c3cfffeff"))),
       "the WAV file is cut short"},
      {folder.Write("id3-only.mp3", {'I', 'D', '3', 4}), ""},
      {folder.Write("sync-only.mp3", {0xFF, 0xFB, 0x90, 0x64, 0}), ""},
  };
  for (const auto& [name, reason] : cases) {
    const std::string file = name.starts_with('/') ? name : dir + name;
    const std::string prefix = "Couldn't open \"" + file + "\": ";
    for (SoundPlayer player : kAllPlayers) {
      SCOPED_TRACE(file + " on " + NameOf(player));
      players.Play(player, good);
      try {
        players.Play(player, file);
        ADD_FAILURE() << "no error";
      } catch (const FileError& error) {
        EXPECT_EQ(error.file(), file);
        const std::string message = error.what();
        ASSERT_TRUE(message.starts_with(prefix)) << message;
        if (reason.empty()) {
          EXPECT_NE(message.substr(prefix.size()), "Unknown error code") << "SDL's description was lost";
        } else {
          EXPECT_EQ(message.substr(prefix.size()), reason);
        }
      }
      EXPECT_EQ(players.OpenFile(player), "") << "the old sound was not closed first";
      EXPECT_FALSE(players.IsPlaying(player));
      players.Play(player, good);
      EXPECT_TRUE(players.IsPlaying(player));
    }
  }
}

// An ID3v2.3 tag holding the given frames, each a name and its bytes; a
// frame's size can be given apart from its bytes.
struct Id3Frame {
  const char* name;
  Bytes body;
  std::uint32_t size = UINT32_MAX;  // the body's own length
};
Bytes Id3Tag(const std::vector<Id3Frame>& frames) {
  Bytes tag = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0};
  for (const Id3Frame& frame : frames) {
    const std::uint32_t size = frame.size == UINT32_MAX ? static_cast<std::uint32_t>(frame.body.size()) : frame.size;
    for (int i = 0; i < 4; ++i) tag.push_back(static_cast<unsigned char>(frame.name[i]));
    for (int i = 3; i >= 0; --i) tag.push_back(static_cast<unsigned char>(size >> (8 * i)));
    tag.push_back(0), tag.push_back(0);
    tag.insert(tag.end(), frame.body.begin(), frame.body.end());
  }
  const std::size_t length = tag.size() - 10;
  for (int i = 0; i < 4; ++i) tag[9 - i] = static_cast<unsigned char>((length >> (7 * i)) & 0x7F);
  return tag;
}

// An APE (version 1) tag of one item called `key` with a value of
// `valueSize` bytes; the reader reads it from its footer.
Bytes ApeFooter(const std::string& key, std::uint32_t valueSize) {
  Bytes item;
  auto put = [&item](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) item.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  put(valueSize), put(0);
  item.insert(item.end(), key.begin(), key.end());
  item.push_back(0);
  item.insert(item.end(), valueSize, 'v');
  Bytes footer = item;
  for (char c : std::string("APETAGEX")) footer.push_back(static_cast<unsigned char>(c));
  const std::size_t at = footer.size();
  footer.resize(at + 24, 0);
  auto set = [&footer, at](std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) footer[at + offset + i] = static_cast<unsigned char>(value >> (8 * i));
  };
  set(0, 1000), set(4, static_cast<std::uint32_t>(item.size() + 32)), set(8, 1);
  return footer;
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

// SDL_mixer reads MP3 tags before it decodes a note, trusting their lengths;
// a tag that would send it past the end of a buffer is refused, a sound tag
// still plays.
TEST_F(BadFilesTest, Mp3TagsThatWouldMisleadTheTagReaderAreRefused) {
  const Bytes audio = [this] {
    std::ifstream in(folder.WriteMp3("plain.mp3", 0.5), std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), {}};
  }();
  const Bytes sound = Concat(Id3Tag({{"TIT2", Concat({0}, Text("Zvon"))},
                                     {"TPE1", Concat({3}, Concat(Text("Тримбол"), {0}))},
                                     {"TALB", Concat({1, 0xFF, 0xFE}, {'A', 0, 'B', 0, 0, 0})},
                                     {"TCOP", {2, 0, 'C', 0xD7, 0xFF, 0, 0}}}),
                             Concat(audio, ApeFooter("Title", 12)));
  const std::string tagged = folder.Write("tagged.mp3", sound);
  for (SoundPlayer player : kAllPlayers) {
    players.Play(player, tagged);
    EXPECT_TRUE(players.IsPlaying(player)) << NameOf(player);
  }
  const std::pair<std::string, Bytes> damaged[] = {
      // A text frame longer than the reader's buffer, which it copies whole.
      {"long-title.mp3", Concat(Id3Tag({{"TIT2", Concat({1, 0xFF, 0xFE}, Bytes(1500, 'x'))}}), audio)},
      {"long-title-v2.mp3", Concat(Id3Tag({{"TALB", Concat({0}, Bytes(40, 'x')), 5000}}), audio)},
      // UTF-8 text is copied up to its end, which this one lacks.
      {"endless-artist.mp3", Concat(Id3Tag({{"TPE1", Concat({3}, Bytes(40, 'x'))}}), audio)},
      // UTF-16 whose end the converter loses: an odd byte out, or half a
      // surrogate pair, which it skips a byte at.
      {"odd-title.mp3", Concat(Id3Tag({{"TIT2", {1, 0xFF, 0xFE, 'Z', 0, 'v', 0, 'o'}}}), audio)},
      {"half-pair.mp3", Concat(Id3Tag({{"TIT2", {1, 0xFF, 0xFE, 'Z', 0, 0x21, 0xDC, 0, 0}}}), audio)},
      // An APE item whose end lands just past the reader's buffer.
      {"ape-item.mp3", Concat(audio, ApeFooter("Title", 250))},
  };
  for (const auto& [name, bytes] : damaged) {
    const std::string file = folder.Write(name, bytes);
    for (SoundPlayer player : kAllPlayers) {
      try {
        players.Play(player, file);
        ADD_FAILURE() << name << " on " << NameOf(player);
      } catch (const FileError& error) {
        const std::string what = error.what();
        EXPECT_TRUE(what == "Couldn't open \"" + file + "\": the MP3 file's ID3 tag is damaged" ||
                    what == "Couldn't open \"" + file + "\": the MP3 file's APE tag is damaged")
            << what;
      }
    }
  }
}

// The players go by content, whatever the name says.
TEST_F(BadFilesTest, AWaveWithoutChannelsNamedLikeATuneIsRefusedByTheMusicPlayer) {
  const std::string tune = folder.Write(
      "8.mid", FromHex("524946462500000057415645666d74201000000001000000401f0000401f000001000800646174610100000080"));
  try {
    players.Play(SoundPlayer::kMusic, tune);
    ADD_FAILURE() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + tune + "\": Invalid number of channels");
  }
}

TEST_F(BadFilesTest, WellFormedLoopsAndTagsStillPlay) {
  const std::string tagged = folder.Write(
      "tagged.wav", SmallWave(8000, 8000, Concat(LoopChunk(0, 7999), TitleChunk(std::string("Title\0", 6), 6))));
  for (SoundPlayer player : kAllPlayers) {
    players.Play(player, tagged);
    EXPECT_TRUE(players.IsPlaying(player)) << NameOf(player);
  }
}

// Effects and results are decoded whole before they start, which for one
// note after an hour's rest took seconds and gigabytes; the music player
// streams and takes the same file at once.
TEST_F(BadFilesTest, EffectAndResultPlayersRefuseSoundsLongerThanTwentySeconds) {
  const std::string hour = folder.Write(
      "hour.mid", FromHex("4d546864000000060001000100014d54726b0000001400ff51030f424000903c019c10803c0000ff2f00"));
  const std::string slow = folder.Write("one-hertz.wav", SmallWave(1, 100));  // 100 s of 100 samples
  // A few samples that claim three gigabytes, which the decoder would set aside.
  Bytes claims = SmallWave(8000, 100);
  for (int i = 0; i < 4; ++i) claims[40 + i] = static_cast<unsigned char>(0xC9000400u >> (8 * i));
  const std::string claiming = folder.Write("claims-more.wav", claims);
  const std::string long_mp3 = folder.WriteMp3("long.mp3", 21, 8);
  // MPEG-1 at 44.1 kHz: 1152 samples a frame, twice those of the lower rates.
  const std::string long_mp3_44 = folder.WriteMp3("long-44k.mp3", 21, 64, "--resample 44.1");
  // 20 s at a slow tempo, then 1.5 s at a fast one.
  const std::string speeding = folder.Write(
      "speeding.mid", FromHex("4d546864000000060000000100604d54726b0000001c00ff51031e848000903c40"
                              "8740ff510303d0908440803c0000ff2f00"));
  // An organ note never let go, or let go under a pedal left down, sounds
  // for ever: decoding it filled the memory.
  const std::string held = folder.Write(
      "held.mid", FromHex("4d546864000000060000000100604d54726b0000000b00c01000903c4060ff2f00"));
  const std::string pedal = folder.Write(
      "pedal.mid", FromHex("4d546864000000060000000100604d54726b0000001300c01000b0407f00903c4060803c0000ff2f00"));
  // The pedal counts as down from 64 on, 63 is still up.
  auto pedalAt = [](unsigned char value) {
    Bytes bytes = FromHex("4d546864000000060000000100604d54726b0000001300c01000b0407f00903c4060803c0000ff2f00");
    bytes[28] = value;
    return bytes;
  };
  const std::string pedal64 = folder.Write("pedal-64.mid", pedalAt(64));
  for (const std::string& file : {hour, slow, claiming, long_mp3, long_mp3_44, speeding, held, pedal, pedal64}) {
    for (SoundPlayer player : {SoundPlayer::kEffects, SoundPlayer::kResults}) {
      try {
        players.Play(player, file);
        ADD_FAILURE() << file << " on " << NameOf(player);
      } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + file + "\": the sound plays longer than 20 seconds");
      }
    }
  }
  players.Play(SoundPlayer::kMusic, hour);
  EXPECT_EQ(players.OpenFile(SoundPlayer::kMusic), hour);
  players.Play(SoundPlayer::kMusic, held);
  EXPECT_EQ(players.OpenFile(SoundPlayer::kMusic), held);
  // A released note, and drums, which fall silent unreleased, play as effects.
  const std::string released = folder.Write(
      "released.mid", FromHex("4d546864000000060000000100604d54726b0000000f00c01000903c4060803c0000ff2f00"));
  const std::string drums = folder.Write(
      "drums.mid", FromHex("4d546864000000060000000100604d54726b000000080099246460ff2f00"));
  for (const std::string& file : {folder.Write("nineteen.wav", SmallWave(1000, 19000)),
                                   folder.Write("stereo-twelve.wav", SmallWave(1000, 12000, {}, 2)), released, drums,
                                   folder.Write("pedal-63.mid", pedalAt(63))}) {
    players.Play(SoundPlayer::kEffects, file);
    EXPECT_TRUE(players.IsPlaying(SoundPlayer::kEffects)) << file;
  }
}

TEST_F(BadFilesTest, FailureOnOnePlayerLeavesTheOthersPlaying) {
  for (SoundPlayer player : kAllPlayers) players.Play(player, good);
  EXPECT_THROW(players.Play(SoundPlayer::kEffects, folder.path() + "/missing.wav"), FileError);
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kMusic));
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kResults));
}

// Cut inside its samples, a sound keeps a good header: it plays what it holds.
TEST_F(BadFilesTest, SoundCutInsideItsSamplesPlaysWhatItHolds) {
  const std::string cut = folder.Write("short.wav", Head(WaveBytes(2), 22050));
  for (SoundPlayer player : kAllPlayers) {
    players.Play(player, cut);
    EXPECT_TRUE(players.IsPlaying(player)) << NameOf(player);
  }
}

TEST(OpenFailureText, SaysUnknownErrorCodeWhenSdlGivesNoReason) {
  const FileError error = OpenFailure("Zvon.wav", "");
  EXPECT_EQ(error.file(), "Zvon.wav");
  EXPECT_STREQ(error.what(), "Couldn't open \"Zvon.wav\": Unknown error code");
}

// Root reads any file whatever its mode, so the check runs in a child that
// gives up root for "nobody" and first proves it can reach the folder.
TEST(UnreadableFile, IsReportedAsPermissionDenied) {
  SoundFolder folder;
  const std::string readable = folder.WriteWave("readable.wav", 0.2);
  const std::string locked = folder.WriteWave("locked.wav", 0.2);
  ASSERT_EQ(::chmod(folder.path().c_str(), 0755) | ::chmod(readable.c_str(), 0644) | ::chmod(locked.c_str(), 0), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && (::setgroups(0, nullptr) | ::setgid(kNobody) | ::setuid(kNobody)) != 0) ::_exit(77);
    int code = 1;  // no error
    try {
      MediaPlayers players;
      players.Play(SoundPlayer::kEffects, readable);
      players.Play(SoundPlayer::kEffects, locked);
    } catch (const FileError& error) {
      code = error.what() == "Couldn't open \"" + locked + "\": Permission denied" ? 0 : 2;
    }
    ::_exit(code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot give up root here";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no error, 2: wrong text or a failure on the readable file";
}

}  // namespace
}  // namespace trimbol::media::testing
