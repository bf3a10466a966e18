#pragma once

#include <string>
#include <vector>

#include "notation/move.h"
#include "notation/position.h"

namespace notation::testing {

// The position of a FEN the test expects to be sound; a failure otherwise.
Position PositionOf(const char* fen);

// "e2e4", "e7e8q": the moves the way engines write them.
std::vector<std::string> UciOf(const std::vector<Move>& moves);

} // namespace notation::testing
