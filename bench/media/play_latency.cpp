// Measures how long a tune takes from its key to its first sound, for a WAV,
// an MP3 and a MIDI tune, with each General MIDI soundfont given on the
// command line as the user's SDL_SOUNDFONTS ("default": none, so the game
// takes the system's default-GM.sf2; that alone when none is given), in three situations: the first
// play of a fresh set of players (the game just started), a play with the
// output open, and the first play after the output was let go. Also the
// memory (RSS) while a MIDI tune plays. Prints a table of medians and
// maxima. Not a test: run it by hand, see README.md.
//
// "First sound" is the first mix buffer with a sample above rounding noise,
// seen by SDL_mixer's post-mix hook; a device plays it one buffer (12 ms)
// later. Without SDL_AUDIODRIVER the disk driver is used, which takes the
// mix at a sound card's pace and writes it to /dev/null.
#include <SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/file_error.h"
#include "media/media_players.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using trimbol::SoundPlayer;
using trimbol::media::MediaPlayers;

std::atomic<bool> heard{false};

void Listen(void*, Uint8* stream, int length) {
  const auto* samples = reinterpret_cast<const Sint16*>(stream);
  for (int i = 0; i < length / 2; ++i) {
    if (std::abs(int{samples[i]}) > 200) {
      heard = true;
      return;
    }
  }
}

void Put(std::ofstream& out, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) out.put(static_cast<char>(value >> (8 * i)));
}

// A second of a loud tone, 16-bit mono at 44100 Hz.
std::string WriteWave(const std::filesystem::path& file) {
  const std::uint32_t frames = 44100;
  std::ofstream out(file, std::ios::binary);
  out << "RIFF";
  Put(out, 36 + frames * 2, 4);
  out << "WAVEfmt ";
  Put(out, 16, 4), Put(out, 1, 2), Put(out, 1, 2), Put(out, 44100, 4), Put(out, 88200, 4), Put(out, 2, 2);
  Put(out, 16, 2);
  out << "data";
  Put(out, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(12000 * std::sin(i * 0.0627))), 2);
  }
  return file.string();
}

// The WAV through lame (scripts/setup installs it); empty when lame is missing.
std::string WriteMp3(const std::filesystem::path& file, const std::string& wave) {
  const std::string command = "lame --quiet -b 128 '" + wave + "' '" + file.string() + "'";
  return std::system(command.c_str()) == 0 ? file.string() : std::string();
}

// A piano playing C, E and G for a second each.
std::string WriteMidi(const std::filesystem::path& file) {
  const unsigned char bytes[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 34,
                                 0x00, 0xC0, 0x00, 0x00, 0x90, 60, 110, 0x81, 0x40, 0x80, 60, 0, 0x00, 0x90, 64, 110,
                                 0x81, 0x40, 0x80, 64, 0, 0x00, 0x90, 67, 110, 0x81, 0x40, 0x80, 67, 0, 0x00, 0xFF,
                                 0x2F, 0x00};
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
  return file.string();
}

long RssKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

struct Figures {
  std::vector<double> ms;
  int failures = 0;
  std::string Text() const {
    if (ms.empty()) return failures > 0 ? "fails" : "-";
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    char text[64];
    std::snprintf(text, sizeof text, "%.0f (max %.0f)%s", sorted[sorted.size() / 2], sorted.back(),
                  failures > 0 ? " +fails" : "");
    return text;
  }
};

// From the key to the first sound, or nothing when it failed or stayed silent.
std::optional<double> KeyToSound(MediaPlayers& players, const std::string& tune) {
  heard = false;
  const auto start = Clock::now();
  try {
    players.Play(SoundPlayer::kMusic, tune);
  } catch (const trimbol::FileError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return std::nullopt;
  }
  Mix_SetPostMix(&Listen, nullptr);  // set again: the play may have opened the mixer
  while (!heard && Clock::now() - start < 3s) std::this_thread::sleep_for(100us);
  if (!heard) return std::nullopt;
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Record(Figures& figures, std::optional<double> ms) {
  if (ms) {
    figures.ms.push_back(*ms);
  } else {
    ++figures.failures;
  }
}

struct Row {
  Figures started, open, released;
};

// One font: every kind in the three situations, `rounds` times each.
Row MeasureKind(const std::string& tune, int rounds) {
  Row row;
  for (int round = 0; round < rounds; ++round) {
    Clock::duration skew{};  // moves the players' clock past the idle delay
    MediaPlayers players([&skew] { return Clock::now() + skew; });
    Record(row.started, KeyToSound(players, tune));
    std::this_thread::sleep_for(300ms);
    Record(row.open, KeyToSound(players, tune));
    players.Close(SoundPlayer::kMusic);
    skew += MediaPlayers::kIdleRelease + 1s;
    players.ReleaseWhenIdle();
    Record(row.released, KeyToSound(players, tune));
    players.Close(SoundPlayer::kMusic);
  }
  return row;
}

// RSS with the tune playing half a second, after one release, which is when
// the lost font used to show.
long TuneRss(const std::string& tune) {
  Clock::duration skew{};
  MediaPlayers players([&skew] { return Clock::now() + skew; });
  try {
    players.Play(SoundPlayer::kMusic, tune);
    players.Close(SoundPlayer::kMusic);
    skew += MediaPlayers::kIdleRelease + 1s;
    players.ReleaseWhenIdle();
    players.Play(SoundPlayer::kMusic, tune);
  } catch (const trimbol::FileError&) {
    return 0;
  }
  std::this_thread::sleep_for(500ms);
  return RssKilobytes();
}

// As the user's SDL_SOUNDFONTS; "default" leaves the choice to the game.
void UseFont(const std::string& font) {
  if (font == "default") {
    ::unsetenv("SDL_SOUNDFONTS");
  } else {
    ::setenv("SDL_SOUNDFONTS", font.c_str(), 1);
  }
}

std::string FontName(const std::string& font) {
  if (font == "default") return "system default-GM";
  return "SDL_SOUNDFONTS=" + std::filesystem::path(font).filename().string();
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 3;
  std::vector<std::string> fonts;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--rounds=", 0) == 0) {
      rounds = std::stoi(arg.substr(9));
    } else {
      fonts.push_back(arg);
    }
  }
  if (fonts.empty()) fonts.push_back("default");
  ::setenv("SDL_AUDIODRIVER", "disk", 0);
  ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);

  const auto folder = std::filesystem::temp_directory_path() / ("play-latency-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string wave = WriteWave(folder / "1.wav");
  const std::string mp3 = WriteMp3(folder / "2.mp3", wave);
  const std::string midi = WriteMidi(folder / "8.mid");
  const long idleRss = RssKilobytes();

  std::printf("key to first sound, ms: median (max) of %d rounds; driver %s\n", rounds, std::getenv("SDL_AUDIODRIVER"));
  std::printf("%-40s %-16s %-16s %-16s\n", "tune, soundfont", "first after start", "output open",
              "after a release");
  for (const std::string& font : fonts) {
    UseFont(font);
    const std::string fontName = FontName(font);
    for (const auto& [name, tune] : {std::pair{"WAV", wave}, std::pair{"MP3", mp3}, std::pair{"MIDI", midi}}) {
      if (tune.empty() || (font != fonts.front() && name != std::string("MIDI"))) {
        continue;  // only MIDI depends on the font
      }
      const Row row = MeasureKind(tune, rounds);
      const std::string label = std::string(name) + ", " + fontName;
      std::printf("%-40s %-16s %-16s %-16s\n", label.c_str(), row.started.Text().c_str(), row.open.Text().c_str(),
                  row.released.Text().c_str());
    }
  }
  std::printf("\nRSS, MB: idle before any sound %.1f\n", idleRss / 1024.0);
  for (const std::string& font : fonts) {
    UseFont(font);
    std::printf("  MIDI tune playing after a release, %s: %.1f\n", FontName(font).c_str(), TuneRss(midi) / 1024.0);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
