#pragma once

#include "engine/engine_move.h"
#include "engine/search_context.h"

#include <cstdint>
#include <span>
#include <utility>

namespace engine {

inline constexpr int32_t kIllegalPrice = 65535;
inline constexpr int32_t kCandidateWindow = 3; // prices closer than this to the best tie

// Mate and stalemate values: larger with more plies to spare, scaled like
// the static scores.
int32_t MatePrice(const SearchContext& ctx, int32_t side, int32_t remaining);
int32_t StalematePrice(const SearchContext& ctx, int32_t side, int32_t remaining);

inline int32_t WeightedPrice(const SearchContext& ctx, int32_t remaining, int32_t score) {
    return (remaining + 1) * score / (ctx.depth + 1);
}
inline int32_t IllegalPrice(const SearchContext& ctx, int32_t side) {
    return side == ctx.engineColor ? -kIllegalPrice : kIllegalPrice;
}

// The engine's moves by falling price, the opponent's by rising price. The
// exact exchange procedure fixes the order of equal prices.
template <class Move> void ExchangeSort(std::span<Move> moves, bool engineSide) {
    const std::size_t n = moves.size();
    for (std::size_t p = 0; p + 1 < n; ++p)
        for (std::size_t q = p + 1; q < n; ++q)
            if (engineSide ? moves[p].price < moves[q].price : moves[p].price > moves[q].price)
                std::swap(moves[p], moves[q]);
}

// The length of the leading run of sorted moves priced within the window.
template <class Move> std::size_t CandidateCount(std::span<const Move> sorted) {
    std::size_t n = 0;
    while (n < sorted.size() && std::abs(sorted[n].price - sorted[0].price) < kCandidateWindow) ++n;
    return n;
}

// The first value of the runtime generator seeded with `second`; computed
// once per second and thread.
int32_t ChoiceNumber(int64_t second);

// The root's report: every move in its final order with its price.
void WriteDebugReport(std::FILE* log, std::span<const sEngineMove> sorted);

} // namespace engine
