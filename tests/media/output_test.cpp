// The sound output beneath the players: closed until the first play, let go
// once the players have been idle, opened again by the next play. Time runs
// on a clock the test moves; only the sounds themselves play in real time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iterator>

#include "sound_fixtures.h"

namespace trimbol::media::testing {
namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;

class OutputTest : public ::testing::Test {
 protected:
  // Waits, in real time, until the player has played its sound out.
  void WaitUntilSilent(SoundPlayer player) {
    for (int i = 0; i < 300 && players.IsPlaying(player); ++i) std::this_thread::sleep_for(10ms);
    ASSERT_FALSE(players.IsPlaying(player));
  }

  SoundFolder folder;
  TimePoint now{};
  MediaPlayers players{[this] { return now; }};
  const std::string click = folder.WriteWave("click.wav", 0.05);
};

TEST_F(OutputTest, OpensOnTheFirstPlayAndIsLetGoAfterTheIdleDelay) {
  EXPECT_FALSE(players.IsOutputOpen());
  EXPECT_FALSE(players.ReleaseWhenIdle()) << "nothing to let go";
  players.Play(SoundPlayer::kEffects, click);
  EXPECT_TRUE(players.IsOutputOpen());
  WaitUntilSilent(SoundPlayer::kEffects);

  now += MediaPlayers::kIdleRelease - 1ms;
  EXPECT_TRUE(players.ReleaseWhenIdle());
  EXPECT_TRUE(players.IsOutputOpen());
  now += 1ms;
  EXPECT_FALSE(players.ReleaseWhenIdle());
  EXPECT_FALSE(players.IsOutputOpen());
  EXPECT_EQ(players.OpenFile(SoundPlayer::kEffects), "");

  players.Play(SoundPlayer::kEffects, click);
  EXPECT_TRUE(players.IsOutputOpen());
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kEffects));
}

// The synthesisers are kept for the next tune, but a silent game must wake
// no thread: once the output is let go, the threads are those from before.
TEST_F(OutputTest, ALetGoOutputLeavesNoThreadBehind) {
  auto threads = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}); };
  const auto before = threads();
  // A second tune with other instruments has the synthesiser let go of the
  // first one's font, which must not leave a thread retrying it.
  const std::string tune = folder.WriteMidi("tune.mid");
  const std::string drums = folder.Write("drums.mid", Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T',
                                                       'r', 'k', 0, 0, 0, 12, 0x00, 0x99, 38, 110, 0x30, 0x89, 38,
                                                       0, 0x00, 0xFF, 0x2F, 0x00});
  for (const std::string& file : {tune, drums}) {
    for (SoundPlayer player : kAllPlayers) players.Play(player, file);
    for (SoundPlayer player : kAllPlayers) WaitUntilSilent(player);
  }
  now += MediaPlayers::kIdleRelease;
  EXPECT_FALSE(players.ReleaseWhenIdle());
  EXPECT_EQ(threads(), before);
}

TEST_F(OutputTest, ATuneLongerThanTheDelayKeepsItOpen) {
  players.Play(SoundPlayer::kMusic, folder.WriteWave("long.wav", 8));
  now += 3 * MediaPlayers::kIdleRelease;
  EXPECT_TRUE(players.ReleaseWhenIdle());
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kMusic));
}

TEST_F(OutputTest, AnEffectStartedJustBeforeTheDelayRunsOutIsNotCut) {
  players.Play(SoundPlayer::kEffects, click);
  WaitUntilSilent(SoundPlayer::kEffects);
  now += MediaPlayers::kIdleRelease - 10ms;
  players.Play(SoundPlayer::kResults, folder.WriteWave("jingle.wav", 1));
  now += 20ms;
  EXPECT_TRUE(players.ReleaseWhenIdle());
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kResults));
  // Played out, it is idle time that counts again.
  now += MediaPlayers::kIdleRelease - 1ms;
  EXPECT_TRUE(players.ReleaseWhenIdle());
}

TEST_F(OutputTest, FilesAreCheckedBeforeTheOutputIsOpened) {
  const std::string missing = folder.path() + "/hlop.wav";
  const std::string noise = folder.Write("prut.wav", Bytes(300, 'x'));
  for (const auto& [file, reason] : {std::pair{missing, "No such file or directory"},
                                     std::pair{noise, "not a WAV, MP3 or MIDI sound"}}) {
    try {
      players.Play(SoundPlayer::kEffects, file);
      ADD_FAILURE() << file;
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + file + "\": " + reason);
    }
    EXPECT_FALSE(players.IsOutputOpen());
  }
}

// Looking for a device where there is none (ALSA without a sound card, as
// on a server or in a container) makes the sound libraries report every
// driver they try on stderr; none of it may reach the player's terminal.
TEST(OutputWithoutDevice, LooksForOneWithoutANoiseOnStderr) {
  SoundFolder folder;
  ScopedEnv alsa("SDL_AUDIODRIVER", "alsa");
  ScopedEnv noCard("ALSA_CONFIG_PATH", folder.Write("asound.conf", Bytes{}));  // no card, no default device
  const std::string captured = folder.path() + "/stderr.txt";
  std::fflush(stderr);
  const int saved = ::dup(STDERR_FILENO);
  const int capture = ::open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(capture, 0);
  ::dup2(capture, STDERR_FILENO);
  ::close(capture);
  {
    MediaPlayers players;
    players.Play(SoundPlayer::kEffects, folder.WriteWave("hlop.wav", 0.1));
    EXPECT_TRUE(players.FellBackToSilence());
  }
  std::fflush(stderr);
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
  std::ifstream in(captured);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(text, "");
}

// Not even SDL's silent driver opens: every play of a good file fails with
// the reason, while a bad file still fails with its own.
TEST(OutputWithoutMixer, EveryPlayFailsWithTheReason) {
  SoundFolder folder;
  int attempts = 0;
  MediaPlayers players(std::chrono::steady_clock::now, [&attempts](const char*) {
    ++attempts;
    SDL_SetError("the mixer cannot start");
    return false;
  });
  const std::string good = folder.WriteWave("hlop.wav", 0.1);
  for (SoundPlayer player : kAllPlayers) {
    try {
      players.Play(player, good);
      ADD_FAILURE() << NameOf(player);
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + good + "\": the mixer cannot start");
    }
    EXPECT_THROW(players.Play(player, folder.path() + "/missing.wav"), FileError);
  }
  EXPECT_FALSE(players.IsOutputOpen());
  EXPECT_GE(attempts, 3) << "each play tries again";
}

}  // namespace
}  // namespace trimbol::media::testing
