// The ten frames of a placement animation: the piece drawn a tenth more on
// each frame, so the last frame is the finished board picture.
#include "pictures/piece_pictures.h"

#include <QPainter>

#include <stdexcept>
#include <string>

#include "pictures/piece_shapes.h"

namespace trimbol::pictures {

QImage AnimationFrame(int side, int frame) {
  constexpr int kFrames = 10;
  if (side < 1 || side > 4) throw std::out_of_range("no side " + std::to_string(side));
  if (frame < 1 || frame > kFrames)
    throw std::out_of_range("no animation frame " + std::to_string(frame));
  QImage image(static_cast<int>(detail::kSide), static_cast<int>(detail::kSide), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  detail::DrawPiece(painter, side, static_cast<double>(frame) / kFrames);
  painter.end();
  return image;
}

}  // namespace trimbol::pictures
