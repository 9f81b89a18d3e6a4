// Watches folders for soundfont files being opened (inotify), so a test
// sees what FluidSynth read, not what it was told.
#pragma once

#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace trimbol::media::testing {

using OpenedFonts = std::set<std::string>;

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

}  // namespace trimbol::media::testing
