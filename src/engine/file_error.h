// The failure raised when a sound or picture file cannot be opened.
// It carries the bare file name so every report can name the file.
#pragma once

#include <stdexcept>
#include <string>

namespace trimbol {

class FileError : public std::runtime_error {
 public:
  FileError(std::string file, const std::string& message)
      : std::runtime_error(message), file_(std::move(file)) {}
  const std::string& file() const noexcept { return file_; }

 private:
  std::string file_;
};

}  // namespace trimbol
