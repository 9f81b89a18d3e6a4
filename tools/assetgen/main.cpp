// trimbol-assetgen OUTDIR: writes every file the game ships beside its
// executable: the animation frames, the sound effects, the result sounds
// and the two tunes.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "arranger.h"
#include "frames.h"
#include "midi_writer.h"
#include "sounds.h"
#include "tunes.h"
#include "wav_writer.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using namespace trimbol::assetgen;
  if (argc != 2) {
    std::cerr << "usage: trimbol-assetgen OUTDIR\n";
    return 2;
  }
  try {
    const fs::path folder = argv[1];
    fs::create_directories(folder);
    std::vector<std::string> written = WriteFrames(folder);
    for (const auto& group : {EffectSounds(), ResultSounds()}) {
      for (const NamedSound& sound : group) {
        WriteWav(folder / sound.fileName, sound.samples);
        written.push_back(sound.fileName);
      }
    }
    for (const Tune& tune : ShippedTunes()) {
      WriteMidiFile(folder / tune.fileName, kTicksPerBeat, Arrange(tune));
      written.push_back(tune.fileName);
    }
    std::cout << "trimbol-assetgen: wrote " << written.size() << " files to " << folder.string() << '\n';
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "trimbol-assetgen: " << e.what() << '\n';
    return 1;
  }
}
