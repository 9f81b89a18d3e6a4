// Shared by the fuzz targets: the input written to a file in a private
// folder, the file opened through the game's own code, and the checks that
// turn a quiet fault into a finding: an exception other than FileError, a
// FileError that does not carry the file's name, and a descriptor left open.
// A failed check aborts, so libFuzzer keeps the input as a crash.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <typeinfo>

#include "engine/file_error.h"
#include "scratch_folder.h"

namespace trimbol::fuzz {

[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "\n==fuzz check failed: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

using testing::ScratchFolder;

inline const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

// The process's open descriptors and what each one points at.
class OpenDescriptors {
 public:
  OpenDescriptors() : open_(List()) {}

  // Fails when a descriptor opened since the snapshot is still open, naming
  // the input the target was working on.
  void ExpectNoneAdded(const std::string& input) const {
    const std::map<int, std::string> now = List();
    for (const auto& [fd, target] : now) {
      const auto before = open_.find(fd);
      if (before == open_.end() || before->second != target) {
        Fail("descriptor " + std::to_string(fd) + " (" + target + ") left open by " + input);
      }
    }
  }

 private:
  static std::map<int, std::string> List() {
    std::map<int, std::string> open;
    DIR* dir = ::opendir("/proc/self/fd");
    if (dir == nullptr) Fail("cannot list /proc/self/fd");
    while (const dirent* entry = ::readdir(dir)) {
      const int fd = std::atoi(entry->d_name);
      if (entry->d_name[0] == '.' || fd == ::dirfd(dir)) continue;
      char target[4096];
      const ssize_t length = ::readlink(("/proc/self/fd/" + std::string(entry->d_name)).c_str(), target,
                                        sizeof target - 1);
      open.emplace(fd, length > 0 ? std::string(target, static_cast<std::size_t>(length)) : "?");
    }
    ::closedir(dir);
    return open;
  }

  std::map<int, std::string> open_;
};

// Calls open(file). Returns the FileError's text when it failed, after
// checking that the error carries `file`; an empty result means it opened.
// Anything else thrown is a finding.
template <typename Open>
std::string OpenOrExplain(const std::string& file, Open open) {
  try {
    open(file);
    return {};
  } catch (const FileError& error) {
    if (error.file() != file) Fail("FileError names \"" + error.file() + "\" instead of \"" + file + "\"");
    const std::string message = error.what();
    if (message.empty()) Fail("FileError for " + file + " has no text");
    return message;
  } catch (const std::exception& error) {
    Fail(std::string("threw ") + typeid(error).name() + " for " + file + ": " + error.what());
  } catch (...) {
    Fail("threw something that is not an exception for " + file);
  }
}

}  // namespace trimbol::fuzz
