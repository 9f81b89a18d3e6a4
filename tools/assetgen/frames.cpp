// The animation frames: drawn by the pictures library, saved as 24-bit
// Windows bitmaps, the format the game loads frames from.
#include "frames.h"

#include <QImage>
#include <QString>

#include <stdexcept>

#include "engine/file_names.h"
#include "pictures/piece_pictures.h"

namespace trimbol::assetgen {

std::vector<std::string> WriteFrames(const std::filesystem::path& folder) {
  std::vector<std::string> written;
  for (const Side side : AllSides()) {
    for (int frame = 1; frame <= files::kAnimationFrames; ++frame) {
      const std::string name = files::FrameFile(side, frame);
      const std::filesystem::path path = folder / name;
      // 24 bits per pixel: RGB888 has no alpha channel for Qt to keep.
      const QImage image = pictures::AnimationFrame(side.number(), frame).convertToFormat(QImage::Format_RGB888);
      if (!image.save(QString::fromStdString(path.string()), "BMP"))
        throw std::runtime_error("cannot write " + path.string());
      written.push_back(name);
    }
  }
  return written;
}

}  // namespace trimbol::assetgen
