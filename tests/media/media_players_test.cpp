// Playing good files: each player starts WAV, MP3 and MIDI, replaces only its
// own sound, restarts and reopens on every play, and works without a device.
#include <gtest/gtest.h>

#include <tuple>

#include "sound_fixtures.h"

namespace trimbol::media::testing {
namespace {

using namespace std::chrono_literals;

class PlayerFormat : public ::testing::TestWithParam<std::tuple<SoundPlayer, std::string>> {};

TEST_P(PlayerFormat, OpensStartsAndIsHeardOnItsOwnPlayer) {
  const auto& [player, extension] = GetParam();
  SoundFolder folder;
  const std::string file = extension == "mp3"   ? folder.WriteMp3("tune.mp3", 1)
                           : extension == "mid" ? folder.WriteMidi("tune.mid")
                                                : folder.WriteWave("tune.wav", 1);
  MediaPlayers players;
  OutputPeak peak;
  players.Play(player, file);

  EXPECT_EQ(players.OpenFile(player), file);
  EXPECT_TRUE(players.IsPlaying(player));
  EXPECT_TRUE(peak.HeardWithin(3s)) << "the mixer's output stayed silent";
  for (SoundPlayer other : kAllPlayers) {
    if (other != player) {
      EXPECT_EQ(players.OpenFile(other), "") << NameOf(other);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, PlayerFormat,
                         ::testing::Combine(::testing::ValuesIn(kAllPlayers),
                                            ::testing::Values("wav", "mp3", "mid")),
                         [](const auto& info) {
                           return NameOf(std::get<0>(info.param)) + "_" + std::get<1>(info.param);
                         });

class MediaPlayersTest : public ::testing::Test {
 protected:
  SoundFolder folder;
  MediaPlayers players;
};

TEST_F(MediaPlayersTest, NewSoundReplacesOnlyItsOwnPlayersSound) {
  const std::string first = folder.WriteWave("first.wav", 8);
  const std::string second = folder.WriteMp3("second.mp3", 8);
  for (SoundPlayer player : kAllPlayers) players.Play(player, first);
  for (SoundPlayer player : kAllPlayers) {
    players.Play(player, second);
    EXPECT_EQ(players.OpenFile(player), second) << NameOf(player);
    for (SoundPlayer other : kAllPlayers) {
      EXPECT_TRUE(players.IsPlaying(other)) << NameOf(other) << " stopped by " << NameOf(player);
    }
  }
}

// Wide margins: a replay that did not rewind would have ended 0.4 s before
// the check; one that rewinds still has 0.6 s to go.
TEST_F(MediaPlayersTest, PlayingAgainStartsFromTheBeginning) {
  const std::string tone = folder.WriteWave("tone.wav", 1.6);
  for (SoundPlayer player : kAllPlayers) players.Play(player, tone);
  std::this_thread::sleep_for(1s);
  for (SoundPlayer player : kAllPlayers) players.Play(player, tone);
  std::this_thread::sleep_for(1s);
  for (SoundPlayer player : kAllPlayers) EXPECT_TRUE(players.IsPlaying(player)) << NameOf(player);
}

TEST_F(MediaPlayersTest, OpensTheFileAnewOnEveryPlay) {
  const std::string file = folder.WriteWave("stuk.wav", 0.2);
  for (SoundPlayer player : kAllPlayers) {
    players.Play(player, file);
    folder.Write("stuk.wav", Bytes(300, 'x'));
    EXPECT_THROW(players.Play(player, file), FileError) << NameOf(player) << " kept an old copy";
    folder.WriteWave("stuk.wav", 0.2);
  }
}

TEST_F(MediaPlayersTest, FindsCyrillicNamesInTheWorkingFolder) {
  folder.WriteWave("Ничья.wav", 0.5);
  const auto old_folder = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  players.Play(SoundPlayer::kResults, "Ничья.wav");
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kResults));
  try {
    players.Play(SoundPlayer::kResults, "ПобКрест.wav");
    ADD_FAILURE() << "a missing file played";
  } catch (const FileError& error) {
    EXPECT_EQ(error.file(), "ПобКрест.wav");
    EXPECT_STREQ(error.what(), "Couldn't open \"ПобКрест.wav\": No such file or directory");
  }
  std::filesystem::current_path(old_folder);
}

TEST_F(MediaPlayersTest, LeavesNoFileOpenBehind) {
  auto open_files = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
  std::filesystem::create_directory(folder.path() + "/folder.wav");
  const std::string files[] = {folder.WriteMp3("4.mp3", 0.2), folder.WriteMidi("7.mid"),
                               folder.Write("noise.wav", Bytes(300, 'x')), folder.Write("empty.wav", {}),
                               folder.Write("cut.wav", Head(WaveBytes(1), 20)), folder.path() + "/folder.wav",
                               // SDL_mixer gives up on these without closing them
                               folder.Write("id3.mp3", {'I', 'D', '3', 4}),
                               folder.Write("sync.mp3", {0xFF, 0xE3, 0x18, 0xC4, 0, 0, 0, 0})};
  const auto before = open_files();
  for (SoundPlayer player : kAllPlayers) {
    for (const std::string& file : files) {
      try {
        players.Play(player, file);
      } catch (const FileError&) {
      }
    }
  }
  EXPECT_EQ(open_files(), before);
}

TEST_F(MediaPlayersTest, OnlyOneSetOfPlayersAtATime) {
  EXPECT_THROW(MediaPlayers second, std::logic_error);
}

TEST(MediaPlayersOutput, RunsSilentlyWhenNoDeviceOpens) {
  SoundFolder folder;
  ScopedEnv no_device("SDL_AUDIODRIVER", "no-such-device");
  MediaPlayers players;
  EXPECT_THROW(players.Play(SoundPlayer::kEffects, folder.path() + "/prut.wav"), FileError);
  players.Play(SoundPlayer::kEffects, folder.WriteWave("hlop.wav", 1));
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kEffects));
  EXPECT_FALSE(players.HasAudioDevice());
  EXPECT_TRUE(players.FellBackToSilence());
}

// A tune need not choose its instruments: a channel that plays without a
// program change plays General MIDI's default, the drum kit on channel 10.
TEST(MidiInstruments, AChannelWithoutAProgramPlaysItsDefault) {
  SoundFolder folder;
  for (const unsigned char channel : {3, 9}) {
    const auto on = static_cast<unsigned char>(0x90 | channel), off = static_cast<unsigned char>(0x80 | channel);
    const std::string tune = folder.Write("channel" + std::to_string(channel) + ".mid",
        Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 12,
              0x00, on, 38, 110, 0x60, off, 38, 0, 0x00, 0xFF, 0x2F, 0x00});
    for (SoundPlayer player : {SoundPlayer::kMusic, SoundPlayer::kEffects}) {
      MediaPlayers players;
      OutputPeak peak;
      players.Play(player, tune);
      EXPECT_TRUE(peak.HeardWithin(3s)) << "channel " << int{channel} << " on " << NameOf(player);
    }
  }
}

// SDL's "disk" driver stands in for a sound card; it records into the
// test's folder.
TEST(MediaPlayersOutput, ReportsARealOutput) {
  SoundFolder folder;
  ScopedEnv disk("SDL_AUDIODRIVER", "disk");
  ScopedEnv recording("SDL_DISKAUDIOFILE", folder.path() + "/output.raw");
  MediaPlayers players;
  players.Play(SoundPlayer::kEffects, folder.WriteWave("hlop.wav", 0.2));
  EXPECT_TRUE(players.HasAudioDevice());
  EXPECT_FALSE(players.FellBackToSilence());
}

// Debian's SDL_mixer would keep its own soundfont; the user's SDL_SOUNDFONTS
// must win, and a font that is not there is reported, not played as silence.
TEST(MediaPlayersOutput, FollowsTheSoundfontTheUserChose) {
  SoundFolder folder;
  const std::string tune = folder.WriteMidi("7.mid"), font = folder.path() + "/none.sf2";
  ScopedEnv chosen("SDL_SOUNDFONTS", font);
  MediaPlayers players;
  for (SoundPlayer player : kAllPlayers) {
    try {
      players.Play(player, tune);
      ADD_FAILURE() << NameOf(player) << " opened MIDI without a soundfont";
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()), "Couldn't open \"" + tune + "\": no MIDI soundfont can be read at " + font);
    }
  }
  players.Play(SoundPlayer::kMusic, folder.WriteWave("1.wav", 1));
  EXPECT_TRUE(players.IsPlaying(SoundPlayer::kMusic));
}

}  // namespace
}  // namespace trimbol::media::testing
