// Checks an MP3 file's tags for what SDL_mixer's tag reader would trip on.
// The game never shows a tag, but SDL_mixer reads the ID3v2 tag at the
// start and any APE tag before it decodes a note, and it trusts their
// lengths: a text frame longer than its buffer, a UTF-8 text without its
// end, or an APE item of the wrong length make it read or write past the
// end of a buffer on its stack.
#pragma once

#include <SDL.h>

#include <string>

namespace trimbol::media {

// The ID3v2 tag at `start` of the `length` bytes from there on, as the
// reader walks it; empty when it is safe to read or not there at all.
std::string Id3v2TagProblem(SDL_RWops* data, Sint64 start, Sint64 length);

// Every APE tag header or footer in the file, read both ways the reader
// may read it; empty when none is unsafe.
std::string ApeTagProblem(SDL_RWops* data);

}  // namespace trimbol::media
