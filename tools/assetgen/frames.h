// Writing the forty placement animation frames as BMP files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace trimbol::assetgen {

// Writes "k1.bmp".."s10.bmp" into `folder`; returns the names written.
// Throws std::runtime_error if a file cannot be written.
std::vector<std::string> WriteFrames(const std::filesystem::path& folder);

}  // namespace trimbol::assetgen
