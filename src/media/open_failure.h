// Builds the error a player raises when a sound file cannot be opened.
#pragma once

#include <string>
#include <string_view>

#include "engine/file_error.h"

namespace trimbol::media {

// The message always names the file, because SDL's own texts often do not;
// an empty reason becomes "Unknown error code".
FileError OpenFailure(const std::string& file, std::string_view reason);

}  // namespace trimbol::media
