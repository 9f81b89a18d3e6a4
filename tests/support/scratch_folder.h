// A private folder for the files a test or a fuzz target writes.
#pragma once

#include <stdlib.h>  // mkdtemp

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace trimbol::testing {

// A fresh folder under TMPDIR, removed with all it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    path_ = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/trimbol-XXXXXX";
    if (::mkdtemp(path_.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }

  // Replaces `name` with the bytes and returns its full path.
  std::string Write(const std::string& name, const unsigned char* data, std::size_t size) const {
    const std::string file = path_ + "/" + name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) throw std::runtime_error("cannot write " + file);
    return file;
  }
  std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    return Write(name, bytes.data(), bytes.size());
  }

 private:
  std::string path_;
};

}  // namespace trimbol::testing
