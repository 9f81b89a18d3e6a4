// Frame files: open, then decode strictly as BMP whatever the name says.
#include "bitmap_file.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "engine/file_error.h"

namespace trimbol::app {

QImage LoadBitmapFile(const std::string& file) {
  QFile input(QString::fromStdString(file));
  // Only a regular file: opening a named pipe would block the game until
  // something wrote into it.
  if (!QFileInfo(input).isFile() || !input.open(QIODevice::ReadOnly)) throw FileError(file, "Cannot open file " + file);
  QImageReader reader(&input, "bmp");
  QImage image = reader.read();
  if (image.isNull()) throw FileError(file, "Bitmap image is not valid");
  return image;
}

}  // namespace trimbol::app
