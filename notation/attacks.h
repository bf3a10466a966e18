#pragma once

#include "notation/position.h"

namespace notation {

// Whether a piece of `byColor` attacks `square` (whatever stands on it).
bool IsAttacked(const Position& position, int square, int byColor);

// Whether the king of `color` stands attacked; a side without a king is not.
bool InCheck(const Position& position, int color);

} // namespace notation
