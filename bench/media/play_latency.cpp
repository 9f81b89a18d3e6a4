// Measures how long a WAV effect takes from the play call to its first
// sound in the mixer's output, with the output already open and with the
// output opened by the play itself (the first play after an idle release).
// Not a test: run build/bench/media/play_latency with the audio driver to
// measure (SDL_AUDIODRIVER=dummy, pulseaudio, ...).
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "media/media_players.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

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

// 0.1 s of a loud tone, 16-bit mono at 44100 Hz.
std::string WriteClick(const std::filesystem::path& folder) {
  const std::uint32_t frames = 4410;
  std::ofstream out(folder / "click.wav", std::ios::binary);
  auto put = [&out](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) out.put(static_cast<char>(value >> (8 * i)));
  };
  out << "RIFF";
  put(36 + frames * 2, 4);
  out << "WAVEfmt ";
  put(16, 4), put(1, 2), put(1, 2), put(44100, 4), put(88200, 4), put(2, 2), put(16, 2);
  out << "data";
  put(frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) put(static_cast<std::uint16_t>(i % 100 < 50 ? 12000 : -12000), 2);
  return (folder / "click.wav").string();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::stoi(argv[1]) : 50;
  const auto folder = std::filesystem::temp_directory_path() / ("play-latency-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string click = WriteClick(folder);

  Clock::duration skew{};  // moves the players' clock past the idle delay
  trimbol::media::MediaPlayers players([&skew] { return Clock::now() + skew; });
  Mix_SetPostMix(&Listen, nullptr);

  std::vector<double> warm, cold;
  for (int round = 0; round < 2 * rounds; ++round) {
    const bool release = round % 2 == 0;
    if (release) {
      skew += trimbol::media::MediaPlayers::kIdleRelease + 1s;
      players.ReleaseWhenIdle();
    }
    heard = false;
    const auto start = Clock::now();
    players.Play(trimbol::SoundPlayer::kEffects, click);
    while (!heard && Clock::now() - start < 2s) std::this_thread::sleep_for(100us);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    (release ? cold : warm).push_back(ms);
    while (players.IsPlaying(trimbol::SoundPlayer::kEffects)) std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(std::chrono::milliseconds(7 * (round % 5)));  // vary the phase
  }
  std::printf("driver %s: play to first sound, output open: median %.1f ms, max %.1f ms\n",
              players.HasAudioDevice() ? "device" : "silent", Median(warm), *std::max_element(warm.begin(), warm.end()));
  std::printf("  the first play after a release (opens the output): median %.1f ms, max %.1f ms (%d rounds each)\n",
              Median(cold), *std::max_element(cold.begin(), cold.end()), rounds);
  if (std::getenv("PLAY_LATENCY_ALL")) for (double v : cold) std::printf("%.1f ", v);
  std::filesystem::remove_all(folder);
  return 0;
}
