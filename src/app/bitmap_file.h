// Loading an animation frame from a Windows bitmap file by bare name.
#pragma once

#include <string>

#include <QImage>

namespace trimbol::app {

// Reads the file anew (nothing is cached). Throws FileError "Cannot open file
// <file>" when it is missing or unreadable, and "Bitmap image is not valid"
// when it is not a readable BMP.
QImage LoadBitmapFile(const std::string& file);

}  // namespace trimbol::app
