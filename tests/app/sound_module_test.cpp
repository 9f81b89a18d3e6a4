// The sound players come from a module loaded at the first play: before it
// no sound library is in the process; a module that cannot be loaded fails
// each play with a box that names the file and says why.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/sound_module.h"
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

TEST(SoundModule, IsLoadedAtTheFirstPlayAndPlays) {
  const std::string wave = WriteWave(std::filesystem::temp_directory_path() / "sound-module-test.wav");
  SoundModule sounds(TRIMBOL_SOUND_MODULE);
  EXPECT_FALSE(Loaded("libSDL2_mixer")) << "a sound library before any sound";
  EXPECT_FALSE(sounds.IsOutputOpen());
  EXPECT_FALSE(sounds.ReleaseWhenIdle());
  sounds.Play(SoundPlayer::kEffects, wave);
  EXPECT_TRUE(Loaded("libSDL2_mixer"));
  EXPECT_TRUE(sounds.IsOutputOpen());
  EXPECT_TRUE(sounds.ReleaseWhenIdle()) << "just played: still open";
  try {
    sounds.Play(SoundPlayer::kMusic, "1.wav");
    ADD_FAILURE() << "a missing file played";
  } catch (const FileError& error) {  // thrown in the module, caught here by its type
    EXPECT_STREQ(error.what(), "Couldn't open \"1.wav\": No such file or directory");
  }
  std::filesystem::remove(wave);
}

TEST(SoundModule, AModuleThatCannotBeLoadedFailsEachPlayNamingTheFile) {
  SoundModule sounds("/no/such/folder/trimbol-sound.so");
  for (const char* file : {"hlop.wav", "8.mid"}) {
    try {
      sounds.Play(SoundPlayer::kEffects, file);
      ADD_FAILURE() << file;
    } catch (const FileError& error) {
      const std::string expected = "Couldn't open \"" + std::string(file) + "\": the sound module cannot be loaded: ";
      EXPECT_EQ(std::string(error.what()).substr(0, expected.size()), expected);
      EXPECT_NE(std::string(error.what()).find("/no/such/folder/trimbol-sound.so"), std::string::npos);
    }
  }
  EXPECT_FALSE(sounds.IsOutputOpen());
}

}  // namespace
}  // namespace trimbol::app::testing
