// The geometry of the five pieces. Edges of filled shapes lie on whole or
// half pixels away from pixel centres, so the aliased pictures at scale 1
// come out the same on every machine.
#include "pictures/piece_shapes.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "pictures/piece_pictures.h"

namespace trimbol::pictures::detail {
namespace {

constexpr double kCentre = kSide / 2;

// The first `progress` (0..1) of a polyline by length; pens then draw a
// stroke that grows like a line being written.
QPolygonF PolylinePart(const QPolygonF& line, double progress) {
  double total = 0;
  for (qsizetype i = 1; i < line.size(); ++i) total += QLineF(line[i - 1], line[i]).length();
  double left = std::clamp(progress, 0.0, 1.0) * total;
  QPolygonF part{line.front()};
  for (qsizetype i = 1; i < line.size() && left > 0; ++i) {
    const QLineF segment(line[i - 1], line[i]);
    if (segment.length() <= left) {
      part << line[i];
      left -= segment.length();
    } else {
      part << segment.pointAt(left / segment.length());
      left = 0;
    }
  }
  return part;
}

void FillPath(QPainter& painter, const QPainterPath& path, const QColor& colour) {
  painter.fillPath(path, colour);
}

void StrokePolyline(QPainter& painter, const QPolygonF& line, double width, const QColor& colour) {
  if (line.size() < 2) return;
  QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(line);
}

// Empty cell: the frame appears all at once; it never animates.
void DrawEmpty(QPainter& painter, const QColor& colour) {
  QPainterPath frame;
  frame.addRect(0, 0, kSide, kSide);
  frame.addRect(3, 3, kSide - 6, kSide - 6);  // odd-even fill leaves the inside white
  FillPath(painter, frame, colour);
}

// One diagonal band of the cross, from the top edge down to `bottom`.
// Pixel centres lie on half pixels, the band's edges on x - y = -2.5 and
// 3.5, so it is exactly six pixels wide along a row. `mirrored` flips it
// left to right for the other stroke.
QPainterPath CrossStroke(bool mirrored, double bottom) {
  constexpr double kMargin = 2;
  const double top = kMargin;
  // The band's left and right edges at height y.
  auto left = [](double y) { return y - 2.5; };
  auto right = [](double y) { return y + 3.5; };
  QPolygonF band{QPointF(left(top), top), QPointF(right(top), top), QPointF(right(bottom), bottom),
                 QPointF(left(bottom), bottom)};
  if (mirrored) {
    for (QPointF& p : band) p.setX(kSide - p.x());
  }
  QPainterPath path;
  path.addPolygon(band);
  path.closeSubpath();
  QPainterPath inside;
  inside.addRect(kMargin, kMargin, kSide - 2 * kMargin, kSide - 2 * kMargin);
  return path.intersected(inside);
}

// Cross: the falling stroke is drawn first, then the rising one.
void DrawCross(QPainter& painter, double progress, const QColor& colour) {
  constexpr double kTop = 2, kBottom = kSide - 2;
  const double first = std::clamp(progress * 2, 0.0, 1.0);
  const double second = std::clamp(progress * 2 - 1, 0.0, 1.0);
  QPainterPath cross;
  if (first > 0) cross = cross.united(CrossStroke(false, kTop + (kBottom - kTop) * first));
  if (second > 0) cross = cross.united(CrossStroke(true, kTop + (kBottom - kTop) * second));
  FillPath(painter, cross, colour);
}

// Nought: a ring 46 pixels across with a stroke of 5 pixels, swept
// clockwise from twelve o'clock.
void DrawNought(QPainter& painter, double progress, const QColor& colour) {
  constexpr double kOuter = 22.75, kInner = 18.3;
  QPainterPath ring;
  ring.addEllipse(QPointF(kCentre, kCentre), kOuter, kOuter);
  ring.addEllipse(QPointF(kCentre, kCentre), kInner, kInner);
  // The sweep is a sector far larger than the square, so at progress 1 it
  // covers everything and the ring is left whole.
  constexpr double kReach = 60;
  const double sweep = 2 * std::numbers::pi * std::clamp(progress, 0.0, 1.0);
  QPolygonF sector{QPointF(kCentre, kCentre)};
  const int steps = std::max(2, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 18))));
  for (int i = 0; i <= steps; ++i) {
    const double angle = sweep * i / steps;  // 0 at twelve o'clock, clockwise on screen
    sector << QPointF(kCentre + kReach * std::sin(angle), kCentre - kReach * std::cos(angle));
  }
  QPainterPath sectorPath;
  sectorPath.addPolygon(sector);
  sectorPath.closeSubpath();
  FillPath(painter, ring.intersected(sectorPath), colour);
}

// Squiggle: one line of straight strokes. A hook at the top right, a long
// fall to the lower left, up to the left edge, a climb into a small loop at
// the upper left, and a long fall to the lower right that crosses the first
// fall in the middle.
const QPolygonF& SquiggleLine() {
  static const QPolygonF line{
      QPointF(36.5, 4.5),   // the hook's tip
      QPointF(44.5, 9.5),   // top right
      QPointF(19.5, 43.5),  // near the bottom
      QPointF(4.5, 26.5),   // the left edge
      QPointF(22.5, 3.5),   // the top of the loop
      QPointF(5.5, 8.5),    // the loop turns back
      QPointF(45.5, 45.5),  // bottom right
  };
  return line;
}

void DrawSquiggle(QPainter& painter, double progress, const QColor& colour) {
  StrokePolyline(painter, PolylinePart(SquiggleLine(), progress), 4, colour);
}

// Spiral: three turns from the centre out to the lower left, its radius
// growing evenly with the angle so the turns stay equally spaced.
const QPolygonF& SpiralLine() {
  static const QPolygonF line = [] {
    constexpr double kTurns = 3, kOuterRadius = 23.5;
    constexpr double kEnd = kTurns * 2 * std::numbers::pi;
    constexpr double kOuterAngle = 3 * std::numbers::pi / 4;  // lower left, y pointing down
    constexpr int kSteps = 360;
    QPolygonF points;
    for (int i = 0; i <= kSteps; ++i) {
      const double t = kEnd * i / kSteps;
      const double radius = kOuterRadius * t / kEnd;
      const double angle = kOuterAngle - (kEnd - t);  // clockwise on screen towards the outside
      points << QPointF(kCentre + radius * std::cos(angle), kCentre + radius * std::sin(angle));
    }
    return points;
  }();
  return line;
}

void DrawSpiral(QPainter& painter, double progress, const QColor& colour) {
  StrokePolyline(painter, PolylinePart(SpiralLine(), progress), 2.5, colour);
}

}  // namespace

void DrawPiece(QPainter& painter, int code, double progress, Look look) {
  const QColor colour = PieceColour(code, look);
  switch (code) {
    case 0: return DrawEmpty(painter, colour);
    case 1: return DrawCross(painter, progress, colour);
    case 2: return DrawNought(painter, progress, colour);
    case 3: return DrawSquiggle(painter, progress, colour);
    case 4: return DrawSpiral(painter, progress, colour);
    default: throw std::out_of_range("no piece with code " + std::to_string(code));
  }
}

}  // namespace trimbol::pictures::detail
