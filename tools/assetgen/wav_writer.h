// Writing sample buffers as 16-bit PCM WAV files.
#pragma once

#include <filesystem>
#include <vector>

namespace trimbol::assetgen {

inline constexpr int kSampleRate = 44100;

// Writes mono samples in -1..1 (values beyond are clamped) as a 16-bit PCM
// WAV file at kSampleRate. Throws std::runtime_error if the file cannot be written.
void WriteWav(const std::filesystem::path& path, const std::vector<float>& samples);

}  // namespace trimbol::assetgen
