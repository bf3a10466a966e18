#pragma once

#include "image.h"
#include "piece_shapes.h"

namespace assetgen {

enum class Side { White, Black };

// A shaded picture of a piece. With `keyColour` every pixel outside the piece is exactly
// that colour (for masks made from a colour); otherwise it is transparent.
Image drawPiece(Piece piece, Side side, int size, const Vec3* keyColour);

} // namespace assetgen
