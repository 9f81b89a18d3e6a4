// Reading a sound file's bytes at chosen places, the way SDL reads them:
// what lies past the end reads as zeros.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace trimbol::media {

// Fills `out` from `offset` on; returns how many bytes the file had there.
// The rest of `out` is zeroed.
std::size_t ReadAt(SDL_RWops* data, Sint64 offset, std::span<unsigned char> out);

// The whole file, from its start; what cannot be read is left out.
std::vector<unsigned char> ReadAll(SDL_RWops* data);

constexpr std::uint32_t LittleEndian(const unsigned char* p, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

// An ID3v2 size: four bytes of seven bits, high byte first. A set top bit
// is added in, as SDL_mixer's tag reader adds it.
constexpr std::uint32_t Synchsafe(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 21) + (std::uint32_t{p[1]} << 14) + (std::uint32_t{p[2]} << 7) + p[3];
}

constexpr std::uint32_t BigEndian(const unsigned char* p, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | p[i];
  return value;
}

}  // namespace trimbol::media
