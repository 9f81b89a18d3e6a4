// The game's sound comes from a module loaded at the first play: before it
// no sound library is in the process, and the output is watched once it is
// open; a module that cannot be loaded fails each play with a box that names
// the file and says why.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "app/game_sound.h"
#include "engine/file_error.h"

namespace trimbol::app::testing {
namespace {

bool Loaded(const char* library) {
  std::ifstream maps("/proc/self/maps");
  const std::string text{std::istreambuf_iterator<char>(maps), {}};
  return text.find(library) != std::string::npos;
}

// A short WAV file of 8-bit mono silence-with-a-tick.
std::string WriteWave(const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary);
  const unsigned char header[] = {'R', 'I', 'F', 'F', 36 + 80, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                  16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0,
                                  'd', 'a', 't', 'a', 80, 0, 0, 0};
  out.write(reinterpret_cast<const char*>(header), sizeof header);
  for (int i = 0; i < 80; ++i) out.put(static_cast<char>(i % 8 < 4 ? 0x60 : 0xA0));
  return path.string();
}

void RunEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

TEST(GameSound, LoadsTheModuleAtTheFirstPlayAndWatchesTheOutput) {
  const std::string wave = WriteWave(std::filesystem::temp_directory_path() / "game-sound-test.wav");
  GameSound sound(TRIMBOL_SOUND_MODULE);
  EXPECT_FALSE(Loaded("libSDL2_mixer")) << "a sound library before any sound";
  EXPECT_FALSE(sound.releaseCheck().isActive());
  sound.Play(SoundPlayer::kEffects, wave);
  EXPECT_TRUE(Loaded("libSDL2_mixer"));
  EXPECT_TRUE(sound.releaseCheck().isActive()) << "the output is open";
  RunEventsFor(sound.releaseCheck().interval() + 200);
  EXPECT_TRUE(sound.releaseCheck().isActive()) << "just played: the players keep the output";
  try {
    sound.Play(SoundPlayer::kMusic, "1.wav");
    ADD_FAILURE() << "a missing file played";
  } catch (const FileError& error) {  // thrown in the module, caught here by its type
    EXPECT_STREQ(error.what(), "Couldn't open \"1.wav\": No such file or directory");
  }
  std::filesystem::remove(wave);
}

// A missing module, and a library that loads but has no entry point.
TEST(GameSound, AModuleThatCannotBeLoadedOrHasNoEntryFailsEachPlayNamingTheFile) {
  for (const char* module : {"/no/such/folder/trimbol-sound.so", "libm.so.6"}) {
    GameSound sound(module);
    for (const char* file : {"hlop.wav", "8.mid"}) {
      try {
        sound.Play(SoundPlayer::kEffects, file);
        ADD_FAILURE() << file;
      } catch (const FileError& error) {
        const std::string expected = "Couldn't open \"" + std::string(file) + "\": the sound module cannot be loaded: ";
        EXPECT_EQ(std::string(error.what()).substr(0, expected.size()), expected);
        EXPECT_NE(std::string(error.what()).find(module), std::string::npos) << error.what();
      }
    }
    EXPECT_FALSE(sound.releaseCheck().isActive());
  }
}

}  // namespace
}  // namespace trimbol::app::testing

// The release check is a Qt timer: it runs in the application's event loop.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
