// The game's icon: a navy tile like the frame of an empty cell, holding
// either a layer of the board (large sizes) or a bold cross and nought
// (small sizes). The large one reuses the board's own piece drawings.
#include "pictures/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <stdexcept>
#include <string>

#include "pictures/piece_pictures.h"
#include "pictures/piece_shapes.h"

namespace trimbol::pictures {
namespace {

// Below this size the pieces of a 3 x 3 layer are hairlines.
constexpr int kSmallestBoardIcon = 64;

void FillTile(QPainter& painter, const QRectF& tile) {
  const double radius = tile.width() / 8;
  painter.setPen(Qt::NoPen);
  painter.setBrush(PieceColour(0));
  painter.drawRoundedRect(tile, radius, radius);
}

// A 3 x 3 layer of white cells, each drawn as the board draws it, with a
// cross, a nought, a squiggle and a spiral on it and no line completed.
void DrawLayer(QPainter& painter, double size) {
  static constexpr int kPieces[3][3] = {{1, 2, 0}, {3, 1, 4}, {0, 2, 0}};  // [row][column]
  const double margin = size / 12;
  const double gap = size / 32;
  const double cell = (size - 2 * margin - 2 * gap) / 3;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      painter.save();
      painter.translate(margin + column * (cell + gap), margin + row * (cell + gap));
      painter.scale(cell / detail::kSide, cell / detail::kSide);
      painter.fillRect(QRectF(0, 0, detail::kSide, detail::kSide), Qt::white);
      detail::DrawPiece(painter, 0, 1.0);
      if (const int code = kPieces[row][column]; code != 0) detail::DrawPiece(painter, code, 1.0);
      painter.restore();
    }
  }
}

// A cross in the upper left and a nought in the lower right, drawn straight
// onto the navy tile with strokes an eighth of the icon wide, so that both
// stay clear, and the nought open, at 16 pixels.
void DrawCrossAndNought(QPainter& painter, double size) {
  QPen pen(PieceColour(1), size / 8, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const double near = 0.16 * size, far = 0.44 * size;
  painter.drawLine(QPointF(near, near), QPointF(far, far));
  painter.drawLine(QPointF(far, near), QPointF(near, far));
  pen.setColor(PieceColour(2));
  painter.setPen(pen);
  const double centre = 0.685 * size, radius = 0.175 * size;
  painter.drawEllipse(QPointF(centre, centre), radius, radius);
}

}  // namespace

QImage AppIconImage(int size) {
  if (size < 16 || size > 1024) throw std::out_of_range("no icon of " + std::to_string(size) + " pixels");
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double side = size;
  FillTile(painter, QRectF(0, 0, side, side));
  if (size >= kSmallestBoardIcon) DrawLayer(painter, side);
  else DrawCrossAndNought(painter, side);
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : kWindowIconSizes) icon.addPixmap(QPixmap::fromImage(AppIconImage(size)));
  return icon;
}

}  // namespace trimbol::pictures
