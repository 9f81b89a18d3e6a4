// The geometry of the five pieces: each drawn onto a 50 x 50 logical square,
// optionally only in part, so that the board pictures and the animation
// frames come from one drawing and cannot drift apart.
#pragma once

#include "pictures/piece_pictures.h"

class QPainter;

namespace trimbol::pictures::detail {

// The logical side of every picture; painters are scaled to fit it.
inline constexpr double kSide = 50.0;

// Draws piece `code` (0..4) in its colour onto the logical 50 x 50 square
// of `painter`, whose ground is already white, in its colour of `look`. `progress` in 0..1 says how
// much of the piece exists: 1 is the finished piece.
void DrawPiece(QPainter& painter, int code, double progress, Look look = Look::kDefault);

}  // namespace trimbol::pictures::detail
