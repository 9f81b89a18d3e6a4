// Frame files: open, then decode strictly as BMP whatever the name says.
#include "bitmap_file.h"

#include <QFile>
#include <QImageReader>

#include "engine/file_error.h"

namespace trimbol::app {

QImage LoadBitmapFile(const std::string& file) {
  QFile input(QString::fromStdString(file));
  if (!input.open(QIODevice::ReadOnly)) throw FileError(file, "Cannot open file " + file);
  QImageReader reader(&input, "bmp");
  QImage image = reader.read();
  if (image.isNull()) throw FileError(file, "Bitmap image is not valid");
  return image;
}

}  // namespace trimbol::app
