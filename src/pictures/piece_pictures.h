// The five piece pictures of the board, their drawing colours and the
// placement animation frames, all drawn in code (no image files needed).
// A picture drawn at a scale carries it as its device pixel ratio, so a
// painter still places it as a 50 x 50 cell, only sharper.
#pragma once

#include <QColor>
#include <QImage>
#include <QtGlobal>

namespace trimbol::pictures {

// The board's looks: its own colours, or darker ones for a desktop that asks
// for high contrast (every piece at least 4.5:1 against its white cell).
enum class Look { kDefault, kHighContrast };

// The board picture of a cell with PieceCode code (0..4): (50*scale) square,
// white ground, one drawing colour. scale > 1 serves high-density screens.
QImage PiecePicture(int code, qreal scale = 1.0, Look look = Look::kDefault);
// Frame 1..10 of side 1..4's placement animation, 50 x 50; frame 10 equals PiecePicture(side).
QImage AnimationFrame(int side, int frame);
// The drawing colour of a PieceCode.
QColor PieceColour(int code, Look look = Look::kDefault);

}  // namespace trimbol::pictures
