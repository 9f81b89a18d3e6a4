// The board pictures of the five PieceCodes and their drawing colours.
#include "pictures/piece_pictures.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/side.h"
#include "pictures/piece_shapes.h"

namespace trimbol::pictures {

QColor PieceColour(int code, Look look) {
  static const std::array<QColor, 5> colours = {
      QColor(0, 0, 128),    // empty: navy frame
      QColor(255, 0, 255),  // crosses: magenta
      QColor(0, 255, 0),    // noughts: lime
      QColor(255, 0, 0),    // squiggles: red
      QColor(128, 64, 0),   // spirals: brown
  };
  // The same hues, dark enough to read on white; navy and brown already are.
  static const std::array<QColor, 5> highContrast = {
      QColor(0, 0, 128),    // navy, 16:1 on white and 9.4:1 on the sky blue
      QColor(160, 0, 160),  // purple, 7.0:1
      QColor(0, 128, 0),    // green, 5.1:1
      QColor(192, 0, 0),    // dark red, 6.5:1
      QColor(128, 64, 0),   // brown, 7.9:1
  };
  static_assert(std::tuple_size_v<decltype(colours)> == kSideCount + 1, "a colour for empty and for each side");
  if (code < 0 || code >= static_cast<int>(colours.size()))
    throw std::out_of_range("no piece with code " + std::to_string(code));
  return (look == Look::kHighContrast ? highContrast : colours)[static_cast<std::size_t>(code)];
}

QImage PiecePicture(int code, qreal scale, Look look) {
  if (!(scale > 0)) throw std::invalid_argument("picture scale must be positive");
  PieceColour(code);  // rejects an unknown code before anything is drawn
  const int side = static_cast<int>(std::lround(detail::kSide * scale));
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    // At scale 1 the picture is pixel art in exactly two colours; on dense
    // screens smooth edges look better than big staircase steps.
    painter.setRenderHint(QPainter::Antialiasing, scale != 1.0);
    painter.scale(static_cast<qreal>(side) / detail::kSide, static_cast<qreal>(side) / detail::kSide);
    detail::DrawPiece(painter, code, 1.0, look);
  }
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace trimbol::pictures
