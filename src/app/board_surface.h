// The window's drawing surface: a backing image that holds whatever the
// board and the animation last drew, painted into the window on every paint
// event. So a part of the window that is uncovered shows the board again
// instead of a wiped area.
#pragma once

#include <array>
#include <optional>

#include <QImage>

#include "engine/board.h"
#include "pictures/piece_pictures.h"

class QPainter;
class QRect;
class QWidget;

namespace trimbol::app {

class BoardSurface {
 public:
  // The canvas is the widget whose client area the surface covers.
  explicit BoardSurface(QWidget& canvas) : canvas_(canvas) {}

  // Draws the 27 piece pictures at their cell origins.
  void DrawBoard(const Board& board);
  // Draws a loaded bitmap with its top-left corner at (x, y), opaque, at
  // its own logical size.
  void DrawFrame(const QImage& frame, int x, int y);
  // Paints the exposed part of the surface; nothing where nothing was drawn.
  void Paint(QPainter& painter, const QRect& exposed);
  // Draws the pieces, and the frames' pieces, in `look` from now on; a board
  // already shown is drawn again in it.
  void SetLook(pictures::Look look);
  pictures::Look look() const { return look_; }

 private:
  // Makes the backing image cover the canvas at the canvas's current pixel
  // ratio, keeping what was drawn.
  void EnsureBacking();
  const QImage& Piece(int code);

  QWidget& canvas_;
  QImage backing_;
  std::array<QImage, 5> pieces_;
  qreal piecesRatio_ = 0;
  pictures::Look look_ = pictures::Look::kDefault;
  std::optional<Board> shown_;  // the board last drawn, for a change of look
};

}  // namespace trimbol::app
