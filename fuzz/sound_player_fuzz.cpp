// Fuzz target for one sound player (TRIMBOL_FUZZ_PLAYER, set by the build):
// the input is saved as a .wav, a .mp3 and a .mid file in turn, and each is
// opened and started the way the game does it. The file is closed again
// before the next one is written, so every fault belongs to the input that
// caused it. The music is decoded while it plays, on the audio thread, so
// its target also lets each input play a while.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>
#include <vector>

#include "fuzz_support.h"
#include "media/media_players.h"
#include "tiny_soundfont.h"

namespace trimbol::fuzz {
namespace {

using media::MediaPlayers;

constexpr SoundPlayer kPlayer = SoundPlayer::TRIMBOL_FUZZ_PLAYER;
// Only the music streams; the other players decode a sound whole as it opens.
constexpr bool kStreams = kPlayer == SoundPlayer::kMusic;
// SDL's disk driver without its delay mixes as fast as the processor goes:
// this long decodes seconds of a sound.
constexpr auto kPlayFor = std::chrono::milliseconds(100);

// Only one set of players may exist; it lives until the process exits.
MediaPlayers& Players() {
  static MediaPlayers players;
  return players;
}

void Play(const std::string& file) { Players().Play(kPlayer, file); }

void LetItPlay() {
  const auto until = std::chrono::steady_clock::now() + kPlayFor;
  while (Players().IsPlaying(kPlayer) && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

// A tenth of a second of silence, 8-bit mono at 8000 Hz: enough to open the
// output. Lengths little-endian: 836 bytes after the RIFF header, 800 of data.
std::string WriteSilence() {
  std::vector<std::uint8_t> wave = {'R', 'I', 'F', 'F', 0x44, 0x03, 0, 0, 'W', 'A', 'V', 'E',
                                    'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x40, 0x1F, 0, 0,
                                    0x40, 0x1F, 0, 0, 1, 0, 8, 0, 'd', 'a', 't', 'a', 0x20, 0x03, 0, 0};
  wave.resize(wave.size() + 800, 0x80);
  return Scratch().Write("silence.wav", wave.data(), wave.size());
}

}  // namespace
}  // namespace trimbol::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace trimbol::fuzz;
  if (kStreams) {
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    ::setenv("SDL_DISKAUDIODELAY", "0", 1);
  }
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (std::getenv("SDL_SOUNDFONTS") == nullptr) {
    const std::string font = Scratch().path() + "/tiny.sf2";
    WriteTinySoundFont(font);
    ::setenv("SDL_SOUNDFONTS", font.c_str(), 1);
  }
  // The output opens at the first play: open it now, outside the checks of
  // the first input.
  Play(WriteSilence());
  Players().Close(kPlayer);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace trimbol::fuzz;
  // A Cyrillic name, as the game's own sounds have.
  for (const char* name : {"проба.wav", "проба.mp3", "проба.mid"}) {
    const std::string file = Scratch().Write(name, data, size);
    const OpenDescriptors descriptors;
    const std::string failure = OpenOrExplain(file, Play);
    const std::string& open = Players().OpenFile(kPlayer);
    if (failure.empty() && open != file) Fail("opened " + file + " but the player has \"" + open + "\"");
    if (failure.empty() && kStreams) LetItPlay();
    if (!failure.empty()) {
      if (failure.find(file) == std::string::npos) Fail("the error \"" + failure + "\" does not name " + file);
      if (!open.empty()) Fail("the player kept \"" + open + "\" after failing on " + file);
    }
    Players().Close(kPlayer);
    descriptors.ExpectNoneAdded(file);
  }
  return 0;
}
