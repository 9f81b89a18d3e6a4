// Opens a sound file by name for one of the players and checks, before SDL
// sees it, that it is a readable, non-empty, undamaged file of a kind the
// game plays.
#include "media/sound_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "media/open_failure.h"

namespace trimbol::media {
namespace {

std::string SystemReason(int error) { return std::generic_category().message(error); }

// SDL_RWFromFile gives no reason with its "Couldn't open" and happily opens a
// folder, so the file is opened here and handed to SDL as a stream.
// O_NONBLOCK keeps a named pipe from hanging the game; regular files ignore it.
RwPointer OpenRegularFile(const std::string& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw OpenFailure(file, SystemReason(errno));

  struct stat info{};
  std::string problem;
  if (::fstat(fd, &info) != 0) {
    problem = SystemReason(errno);
  } else if (S_ISDIR(info.st_mode)) {
    problem = SystemReason(EISDIR);
  } else if (!S_ISREG(info.st_mode)) {
    problem = "not a regular file";
  } else if (info.st_size == 0) {
    problem = "the file is empty";
  }
  FILE* stream = problem.empty() ? ::fdopen(fd, "rb") : nullptr;
  if (stream == nullptr) {
    if (problem.empty()) problem = SystemReason(errno);
    ::close(fd);
    throw OpenFailure(file, problem);
  }
  SDL_RWops* data = SDL_RWFromFP(stream, SDL_TRUE);
  if (data == nullptr) {
    std::fclose(stream);
    throw OpenFailure(file, SDL_GetError());
  }
  return RwPointer(data);
}

}  // namespace

SoundFile OpenSoundFile(const std::string& file) {
  SoundFile sound{OpenRegularFile(file)};
  SDL_RWops* data = sound.data.get();

  std::array<unsigned char, kSniffLength> head{};
  SDL_ClearError();
  const std::size_t got = SDL_RWread(data, head.data(), 1, head.size());
  if (got == 0) throw OpenFailure(file, SDL_GetError());
  sound.kind = SniffSoundKind(std::span(head.data(), got));
  if (sound.kind == nullptr) throw OpenFailure(file, NotASoundProblem());
  const SoundCheck check = sound.kind->check(data);
  if (!check.problem.empty()) throw OpenFailure(file, check.problem);
  sound.seconds = check.seconds;
  if (SDL_RWseek(data, 0, RW_SEEK_SET) != 0) throw OpenFailure(file, SDL_GetError());
  return sound;
}

double PlayingSeconds(SoundFile& sound) {
  if (sound.kind->seconds == nullptr) return sound.seconds;
  const double seconds = sound.kind->seconds(sound.data.get());
  SDL_RWseek(sound.data.get(), 0, RW_SEEK_SET);
  return seconds;
}

}  // namespace trimbol::media
