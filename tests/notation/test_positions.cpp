#include "test_positions.h"

#include <gtest/gtest.h>

#include "notation/fen.h"

namespace notation::testing {

Position PositionOf(const char* fen) {
    const FenReading reading = ReadFen(fen);
    EXPECT_TRUE(reading) << fen << ": " << reading.error;
    return reading.position;
}

std::vector<std::string> UciOf(const std::vector<Move>& moves) {
    std::vector<std::string> uci;
    for (const Move m : moves) uci.push_back(ToUci(m));
    return uci;
}

} // namespace notation::testing
