// Checks an MP3 file's tags for what SDL_mixer's tag reader would trip on.
// The game never shows a tag, but SDL_mixer reads the ID3v2 tag at the
// start and any APE tag before it decodes a note, and it trusts their
// lengths: a text frame longer than its buffer, a UTF-8 text without its
// end, or an APE item of the wrong length make it read or write past the
// end of a buffer on its stack. Where an ID3v2 tag ends is here too: the
// frame walk skips it, and a WAV file may carry one in a chunk.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <span>
#include <string>

namespace trimbol::media {

// How many bytes the ID3v2 tag that `head` starts takes, as the decoder
// skips it: ten header bytes, the size of four 7-bit bytes, and a footer of
// ten more when flagged; 0 when `head` starts none.
std::size_t Id3v2TagLength(std::span<const unsigned char> head);

// True when `head`, the first bytes of a stream, starts an ID3v2 tag that
// SDL_mixer reads, in a stream of `length` bytes.
bool StartsReadableId3v2(std::span<const unsigned char> head, Sint64 length);

// The ID3v2 tag at `start` of the `length` bytes from there on, as the
// reader walks it; empty when it is safe to read or not there at all.
std::string Id3v2TagProblem(SDL_RWops* data, Sint64 start, Sint64 length);

// Every APE tag header or footer in the file, read both ways the reader
// may read it; empty when none is unsafe.
std::string ApeTagProblem(SDL_RWops* data);

}  // namespace trimbol::media
