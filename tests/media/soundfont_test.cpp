// Which soundfont the synthesiser really loads, tune after tune: the one the
// game chose must play every tune of the session, also after the output was
// let go and opened again. The test watches the font files being opened
// (inotify), so it sees what FluidSynth read, not what it was told, and then
// asks the synthesiser which fonts it holds.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

#include "sound_fixtures.h"

namespace trimbol::media::testing {
namespace {

using namespace std::chrono_literals;
using TimePoint = std::chrono::steady_clock::time_point;
using OpenedFonts = std::set<std::string>;

const char* const kSystemFontFolders[] = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"};

// Collects the soundfont files opened in the watched folders since it was
// last asked, by any process: tests running beside this one may add the
// system's font, so the tests ask only that the expected font is among them.
class FontOpenings {
 public:
  FontOpenings() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ < 0) throw std::runtime_error("inotify is not available");
  }
  ~FontOpenings() { ::close(fd_); }
  FontOpenings(const FontOpenings&) = delete;
  FontOpenings& operator=(const FontOpenings&) = delete;

  void Watch(const std::string& folder) {
    const int watch = ::inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
    if (watch >= 0) folders_[watch] = folder;
  }

  OpenedFonts Take() {
    OpenedFonts opened;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
      const ssize_t got = ::read(fd_, buffer, sizeof buffer);
      if (got <= 0) break;
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        const std::string name = event->len > 0 ? event->name : "";
        const std::string extension = std::filesystem::path(name).extension().string();
        if (extension == ".sf2" || extension == ".sf3") opened.insert(folders_[event->wd] + "/" + name);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return opened;
  }

 private:
  int fd_;
  std::map<int, std::string> folders_;
};

// Without SDL_SOUNDFONTS for the test's length.
class ScopedUnset {
 public:
  explicit ScopedUnset(const char* name) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::unsetenv(name);
  }
  ~ScopedUnset() {
    if (old_) ::setenv(name_.c_str(), old_->c_str(), 1);
  }
  ScopedUnset(const ScopedUnset&) = delete;
  ScopedUnset& operator=(const ScopedUnset&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// One session of the players, its tune and a watch on the system's fonts.
// Made after the test has set the environment the players read.
class TuneSession {
 public:
  TuneSession() {
    for (const char* folder : kSystemFontFolders) openings.Watch(folder);
  }

  // Plays the tune and says which fonts the synthesiser opened for it.
  OpenedFonts FontsOfATune() {
    openings.Take();
    players.Play(SoundPlayer::kMusic, tune);
    EXPECT_TRUE(players.IsPlaying(SoundPlayer::kMusic));
    return openings.Take();
  }

  // The files of the fonts the music's synthesiser holds, links resolved.
  OpenedFonts LoadedFonts() const {
    OpenedFonts files;
    for (const std::string& font : players.LoadedSoundFonts(SoundPlayer::kMusic)) {
      files.insert(std::filesystem::canonical(font).string());
    }
    return files;
  }

  // Stops the tune and lets the idle delay pass, so the output is let go.
  void Release() {
    players.Close(SoundPlayer::kMusic);
    now += MediaPlayers::kIdleRelease;
    EXPECT_FALSE(players.ReleaseWhenIdle());
    ASSERT_FALSE(players.IsOutputOpen());
  }

  SoundFolder folder;
  const std::string tune = folder.WriteMidi("8.mid");
  FontOpenings openings;
  TimePoint now{};
  MediaPlayers players{[this] { return now; }};
};

TEST(SoundFontChoice, TheGamesFontPlaysEveryTuneBeforeAndAfterARelease) {
  ScopedUnset noUserChoice("SDL_SOUNDFONTS");
  TuneSession test;
  const OpenedFonts opened = test.FontsOfATune(), loaded = test.LoadedFonts();
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_TRUE(opened.contains(*loaded.begin())) << "the synthesiser holds a font it never opened";
  for (int round = 0; round < 2; ++round) {
    test.Release();
    test.FontsOfATune();
    EXPECT_EQ(test.LoadedFonts(), loaded) << "after release " << round + 1;
  }
}

// A copy of the game's font in a folder of the test's own, the user's choice
// for the test's length: no other test opens it.
struct UsersFont {
  UsersFont() { std::filesystem::copy_file("/usr/share/sounds/sf2/TimGM6mb.sf2", path); }
  SoundFolder folder;
  const std::string path = std::filesystem::canonical(folder.path()).string() + "/mine.sf2";
  ScopedEnv chosen{"SDL_SOUNDFONTS", path};
};

TEST(SoundFontChoice, TheUsersFontWinsBeforeAndAfterARelease) {
  const UsersFont font;
  const std::string& mine = font.path;
  TuneSession test;
  test.openings.Watch(font.folder.path());
  EXPECT_TRUE(test.FontsOfATune().contains(mine));
  EXPECT_EQ(test.LoadedFonts(), OpenedFonts{mine});
  for (int round = 0; round < 2; ++round) {
    test.Release();
    test.FontsOfATune();
    EXPECT_EQ(test.LoadedFonts(), OpenedFonts{mine}) << "after release " << round + 1;
  }
}

// The audio thread renders a tune and must not wait on the font's file: the
// tune's instruments are read as it starts, also one a channel goes back to
// after leaving it.
TEST(SoundFontReading, ATunesInstrumentsAreReadAsItStarts) {
  const UsersFont font;
  FontOpenings openings;
  openings.Watch(font.folder.path());
  MediaPlayers players;
  // Guitar, flute, guitar again, then a snare drum; a sixteenth each.
  const std::string tune = font.folder.Write("switching.mid",
      FromHex("4D546864000000060000000100604D54726B0000002D"
              "00C018009028641880280000C0490090546418805400"
              "00C01800902864188028000099266418892600"
              "00FF2F00"));
  players.Play(SoundPlayer::kMusic, tune);
  EXPECT_TRUE(openings.Take().contains(font.path));
  const auto end = std::chrono::steady_clock::now() + 5s;
  while (players.IsPlaying(SoundPlayer::kMusic) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_FALSE(players.IsPlaying(SoundPlayer::kMusic));
  EXPECT_EQ(openings.Take(), OpenedFonts{});
}

// The idle delay never cuts a tune: a MIDI tune longer than the delay keeps
// the output, and with it the synthesiser, until it ends.
TEST(SoundFontChoice, ATuneIsNeverReleasedWhilePlaying) {
  TuneSession test;
  test.players.Play(SoundPlayer::kMusic, test.tune);
  test.now += 3 * MediaPlayers::kIdleRelease;
  EXPECT_TRUE(test.players.ReleaseWhenIdle());
  EXPECT_TRUE(test.players.IsOutputOpen());
  EXPECT_TRUE(test.players.IsPlaying(SoundPlayer::kMusic));
}

}  // namespace
}  // namespace trimbol::media::testing
