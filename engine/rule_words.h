#pragma once

// Words of sRuleState as the engine reads them, for colour c.
namespace engine {

constexpr int KingMovedWord(int c) {
    return c;
}
constexpr int EnPassantWord(int c) {
    return 2 + c;
}
constexpr int EnPassantXWord(int c) {
    return 4 + 2 * c;
}
constexpr int EnPassantYWord(int c) {
    return 5 + 2 * c;
}
constexpr int RookMovedWord(int c, int cornerX) {
    return 8 + 2 * c + (cornerX == 0 ? 0 : 1);
}

} // namespace engine

namespace engine {
constexpr bool IsPlayer(int c) {
    return c == 0 || c == 1;
}
} // namespace engine
