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

TEST_F(BadFilesTest, EachFailureNamesTheFileAndLeavesThePlayerUsable) {
  Bytes no_tracks = Head(MidiBytes(), 14);
  no_tracks[11] = 0;
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
