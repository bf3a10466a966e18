#pragma once

#include "engine/engine_api.h"

#include <cstdint>

namespace engine {

enum MoveKind : int32_t { kPlainMove = 0, kCapture = 1, kCastling = 2 };

// One move as the search handles it. `piece` and `other` point into the
// figure list the move was generated from.
struct sEngineMove {
    CFigure* piece = nullptr;
    int32_t x = 0; // target square
    int32_t y = 0;
    int32_t kind = kPlainMove;
    CFigure* other = nullptr; // captured figure (kind 1) or castling rook (kind 2)
    int32_t price = 0;
    int32_t stopped = 0;
    int32_t index = 0;

    bool operator==(const sEngineMove&) const = default;
};

} // namespace engine
