#pragma once

#include "shapes.h"

namespace assetgen {

enum class Piece { Pawn, Knight, Bishop, Rook, Queen, King };

// Side view of a piece: x from -0.5 to 0.5 across, y from 0 at the top of the picture to
// 1 at the bottom; the base stands on y = 0.93. Negative inside.
float pieceDistance(Piece piece, Vec2 p);
// Thin lines across the body (collars, the mitre's cut), drawn darker on the surface.
float pieceGrooveDistance(Piece piece, Vec2 p);
// The king's turned body and the flat cross on top of it.
float kingBodyDistance(Vec2 p);
float kingCrossDistance(Vec2 p);
// The turned pieces are solids of revolution of their side view; the knight is cut from a
// board of this half thickness.
constexpr float kKnightHalfThickness = 0.1f;

} // namespace assetgen
