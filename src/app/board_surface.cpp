// Drawing onto the backing image, and painting it into the window.
#include "board_surface.h"

#include <algorithm>
#include <array>
#include <utility>
#include <cmath>

#include <QPainter>
#include <QRect>
#include <QWidget>

#include "engine/board_geometry.h"
#include "engine/side.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app {
namespace {

QPoint Origin(Cell cell) {
  const geometry::Point at = geometry::CellOrigin(cell);
  return {at.x, at.y};
}

}  // namespace

void BoardSurface::EnsureBacking() {
  const qreal ratio = canvas_.devicePixelRatioF();
  // The surface covers the board even while the canvas is smaller.
  const QSize logical(std::max(canvas_.width(), geometry::kBoardRight),
                      std::max(canvas_.height(), geometry::kBoardBottom));
  const QSize current = backing_.isNull() ? QSize() : backing_.deviceIndependentSize().toSize();
  if (!backing_.isNull() && backing_.devicePixelRatio() == ratio &&
      current.width() >= logical.width() && current.height() >= logical.height()) {
    return;
  }
  const QSize grown = logical.expandedTo(current);
  QImage next(grown * ratio, QImage::Format_ARGB32_Premultiplied);
  next.setDevicePixelRatio(ratio);
  next.fill(Qt::transparent);  // undrawn parts show the window's background
  if (!backing_.isNull()) {
    QPainter painter(&next);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), backing_);  // a ratio change rescales the old content
  }
  backing_ = std::move(next);
}

const QImage& BoardSurface::Piece(int code) {
  const qreal ratio = backing_.devicePixelRatio();
  if (piecesRatio_ != ratio) {
    // Rendered at the device's density so the pictures stay crisp.
    for (int c = 0; c < static_cast<int>(pieces_.size()); ++c) {
      pieces_[c] = pictures::PiecePicture(c, ratio, look_);
      pieces_[c].setDevicePixelRatio(ratio);
    }
    piecesRatio_ = ratio;
  }
  return pieces_[code];
}

void BoardSurface::DrawBoard(const Board& board) {
  shown_ = board;
  EnsureBacking();
  QPainter painter(&backing_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (int layer = 0; layer < 3; ++layer) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        const int code = board[CellIndex(layer, column, row)];
        // The board never holds another code; such a cell would be left as it is.
        if (code < 0 || code >= static_cast<int>(pieces_.size())) continue;
        painter.drawImage(Origin({layer, column, row}), Piece(code));
      }
    }
  }
  canvas_.update(QRect(Origin({0, 0, 0}), QPoint(geometry::kBoardRight - 1, geometry::kBoardBottom - 1)));
}

void BoardSurface::DrawFrame(const QImage& frame, int x, int y) {
  EnsureBacking();
  // A bitmap is drawn opaque whatever alpha it carries; on a dense screen it
  // is enlarged by a whole factor without smoothing, so it keeps its logical
  // size and its hard edges.
  QImage opaque = frame.convertToFormat(QImage::Format_RGB32);
  if (look_ != pictures::Look::kDefault) {
    // The frames are files drawn in the pieces' own colours: each of those
    // becomes its colour of this look, so a frame matches its piece.
    std::array<std::pair<QRgb, QRgb>, kSideCount> recolour;
    for (int code = 1; code <= kSideCount; ++code) {
      recolour[code - 1] = {pictures::PieceColour(code).rgb(), pictures::PieceColour(code, look_).rgb()};
    }
    for (int y = 0; y < opaque.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(opaque.scanLine(y));
      for (int x = 0; x < opaque.width(); ++x) {
        for (const auto& [from, to] : recolour) {
          if (line[x] == from) {
            line[x] = to;
            break;
          }
        }
      }
    }
  }
  const int factor = std::max(1, static_cast<int>(std::lround(backing_.devicePixelRatio())));
  if (factor > 1) {
    opaque = opaque.scaled(opaque.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  opaque.setDevicePixelRatio(factor);
  QPainter painter(&backing_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(x, y), opaque);
  canvas_.update(QRect(QPoint(x, y), frame.size()));
}

void BoardSurface::SetLook(pictures::Look look) {
  if (look == look_) return;
  look_ = look;
  piecesRatio_ = 0;  // drawn anew at the next use
  if (shown_) DrawBoard(*shown_);
}

void BoardSurface::Paint(QPainter& painter, const QRect& exposed) {
  if (backing_.isNull()) return;  // nothing drawn yet: only the background shows
  EnsureBacking();
  const qreal ratio = backing_.devicePixelRatio();
  const QRectF source(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio);
  painter.drawImage(QRectF(exposed), backing_, source);
}

}  // namespace trimbol::app
