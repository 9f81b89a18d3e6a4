// Builds the error a player raises when a sound file cannot be opened.
#include "media/open_failure.h"

namespace trimbol::media {

FileError OpenFailure(const std::string& file, std::string_view reason) {
  if (reason.empty()) reason = "Unknown error code";
  std::string message = "Couldn't open \"" + file + "\": ";
  message += reason;
  return FileError(file, message);
}

}  // namespace trimbol::media
