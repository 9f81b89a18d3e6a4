// Files that cannot be opened: every kind of failure throws FileError naming
// the file, closes what the player had, and leaves the players usable.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

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
      {folder.Write("loop-past-the-end.wav", SmallWave(8000, 100, LoopChunk(10, 100))),
       "the WAV file's loop points are damaged"},
      {folder.Write("loop-backwards.wav", SmallWave(8000, 100, LoopChunk(50, 10))),
       "the WAV file's loop points are damaged"},
      {folder.Write("title-without-end.wav", SmallWave(8000, 100, TitleChunk("abcd", 4))),
       "the WAV file's tags are damaged"},
      {folder.Write("id3-only.mp3", {'I', 'D', '3', 4}), ""},
      {folder.Write("sync-only.mp3", {0xFF, 0xFB, 0x90, 0x64, 0}), ""},
  };
  for (const auto& [name, reason] : cases) {
    const std::string file = name.starts_with('/') ? name : dir + name;
    const std::string prefix = "Couldn't open \"" + file + "\": ";
    for (Player player : kAllPlayers) {
      SCOPED_TRACE(file + " on " + NameOf(player));
      Play(players, player, good);
      try {
        Play(players, player, file);
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
      Play(players, player, good);
      EXPECT_TRUE(players.IsPlaying(player));
    }
  }
}

// The players go by content, whatever the name says.
TEST_F(BadFilesTest, AWaveWithoutChannelsNamedLikeATuneIsRefusedByTheMusicPlayer) {
  const std::string tune = folder.Write(
      "8.mid", FromHex("524946462500000057415645666d74201000000001000000401f0000401f000001000800646174610100000080"));
  try {
    players.PlayMusic(tune);
    ADD_FAILURE() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + tune + "\": Invalid number of channels");
  }
}

TEST_F(BadFilesTest, WellFormedLoopsAndTagsStillPlay) {
  const std::string tagged = folder.Write(
      "tagged.wav", SmallWave(8000, 8000, Concat(LoopChunk(0, 7999), TitleChunk(std::string("Title\0", 6), 6))));
  for (Player player : kAllPlayers) {
    Play(players, player, tagged);
    EXPECT_TRUE(players.IsPlaying(player)) << NameOf(player);
  }
}

// Effects and results are decoded whole before they start, which for one
// note after an hour's rest took seconds and gigabytes; the music player
// streams and takes the same file at once.
TEST_F(BadFilesTest, EffectAndResultPlayersRefuseSoundsLongerThanAMinute) {
  const std::string hour = folder.Write(
      "hour.mid", FromHex("4d546864000000060001000100014d54726b0000001400ff51030f424000903c019c10803c0000ff2f00"));
  const std::string slow = folder.Write("one-hertz.wav", SmallWave(1, 100));  // 100 s of 100 samples
  const std::string long_mp3 = folder.WriteMp3("long.mp3", 61, 8);
  for (const std::string& file : {hour, slow, long_mp3}) {
    for (Player player : {Player::kEffect, Player::kResult}) {
      try {
        Play(players, player, file);
        ADD_FAILURE() << file << " on " << NameOf(player);
      } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + file + "\": the sound plays longer than a minute");
      }
    }
  }
  players.PlayMusic(hour);
  EXPECT_EQ(players.OpenFile(Player::kMusic), hour);
  players.PlayEffect(folder.Write("minute.wav", SmallWave(1000, 59000)));
  EXPECT_TRUE(players.IsPlaying(Player::kEffect));
}

TEST_F(BadFilesTest, FailureOnOnePlayerLeavesTheOthersPlaying) {
  for (Player player : kAllPlayers) Play(players, player, good);
  EXPECT_THROW(players.PlayEffect(folder.path() + "/missing.wav"), FileError);
  EXPECT_TRUE(players.IsPlaying(Player::kMusic));
  EXPECT_TRUE(players.IsPlaying(Player::kResult));
}

// Cut inside its samples, a sound keeps a good header: it plays what it holds.
TEST_F(BadFilesTest, SoundCutInsideItsSamplesPlaysWhatItHolds) {
  const std::string cut = folder.Write("short.wav", Head(WaveBytes(2), 22050));
  for (Player player : kAllPlayers) {
    Play(players, player, cut);
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
      players.PlayEffect(readable);
      players.PlayEffect(locked);
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
