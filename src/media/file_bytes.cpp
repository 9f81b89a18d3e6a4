// Reading a sound file's bytes at chosen places.
#include "media/file_bytes.h"

#include <algorithm>

namespace trimbol::media {

std::size_t ReadAt(SDL_RWops* data, Sint64 offset, std::span<unsigned char> out) {
  std::fill(out.begin(), out.end(), 0);
  if (offset < 0 || SDL_RWseek(data, offset, RW_SEEK_SET) != offset) return 0;
  std::size_t got = 0;
  while (got < out.size()) {
    const std::size_t n = SDL_RWread(data, out.data() + got, 1, out.size() - got);
    if (n == 0) break;
    got += n;
  }
  return got;
}


std::vector<unsigned char> ReadAll(SDL_RWops* data) {
  const Sint64 size = SDL_RWsize(data);
  std::vector<unsigned char> bytes(size > 0 ? static_cast<std::size_t>(size) : 0);
  bytes.resize(ReadAt(data, 0, bytes));
  return bytes;
}

}  // namespace trimbol::media
