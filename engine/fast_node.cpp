#include "engine/fast_node.h"

#include "engine/score.h"
#include "engine/search_common.h"

#include <algorithm>
#include <span>

namespace engine {

using fast::Move;
using fast::Position;

NodeStatus ExamineNode(const Position& p, int side, Move* moves, SearchContext& ctx) {
    const int king = fast::FindKing(p, side);
    if (king < 0) ctx.kingMissing = true;
    const int kingSquare = king < 0 ? fast::kNoSquare : p.SquareOf(king);
    const uint64_t enemyAttacks = fast::AttacksBy(p, 1 - side, kingSquare);
    const int count = fast::GenerateAllMoves(p, side, enemyAttacks, moves);
    const bool inCheck = kingSquare != fast::kNoSquare && ((enemyAttacks >> kingSquare) & 1);
    if (!inCheck) return {count == 0 ? kStatusStalemate : kStatusNormal, count};
    return {fast::InCheckStatus(p, side, king, moves, count), count};
}

namespace {

int32_t Score(const Position& p, const Move& m, const SearchContext& ctx) {
    const fast::Figure& f = p.figures[m.figure];
    return ScoreMove({f.type, f.color, f.x, f.y, m.x, m.y, m.kind, m.capturedType}, p.rules,
                     ctx.engineColor);
}

// Weighted static prices; the usual depths get constant divisors, which the
// compiler turns into multiplications.
template <int Divisor>
void WeighWith(const Position& p, Move* moves, int count, int weight, int divisor,
               const SearchContext& ctx) {
    for (int k = 0; k < count; ++k) {
        const int32_t weighted = weight * Score(p, moves[k], ctx);
        moves[k].price = Divisor ? weighted / Divisor : weighted / divisor;
    }
}

} // namespace

void WeighMoves(const Position& p, Move* moves, int count, int remaining,
                const SearchContext& ctx) {
    const int divisor = ctx.depth + 1;
    switch (divisor) {
    case 3:
        WeighWith<3>(p, moves, count, remaining + 1, divisor, ctx);
        break;
    case 4:
        WeighWith<4>(p, moves, count, remaining + 1, divisor, ctx);
        break;
    case 5:
        WeighWith<5>(p, moves, count, remaining + 1, divisor, ctx);
        break;
    default:
        WeighWith<0>(p, moves, count, remaining + 1, divisor, ctx);
        break;
    }
}

namespace {

// The price at position r mod n of the sorted list, n being the leading run
// within the candidate window; which of equal prices sits there does not
// change the price.
int32_t ChosenPrice(const Move* moves, int count, bool engineSide, int32_t r) {
    int32_t best = moves[0].price;
    for (int k = 1; k < count; ++k)
        best = engineSide ? std::max(best, moves[k].price) : std::min(best, moves[k].price);
    int tally[kCandidateWindow] = {};
    for (int k = 0; k < count; ++k) {
        const int32_t distance = engineSide ? best - moves[k].price : moves[k].price - best;
        if (distance < kCandidateWindow) ++tally[distance];
    }
    int position = static_cast<int>(static_cast<uint32_t>(r) %
                                    static_cast<uint32_t>(tally[0] + tally[1] + tally[2]));
    int distance = 0;
    while (position >= tally[distance]) position -= tally[distance++];
    return engineSide ? best - distance : best + distance;
}

} // namespace

bool LeavesKingAttacked(const Position& child, int side) {
    const int king = fast::FindKing(child, side);
    const int square = king < 0 ? fast::kNoSquare : child.SquareOf(king);
    return square != fast::kNoSquare && fast::IsAttacked(child, square, 1 - side);
}

int32_t SearchNode(const Position& p, int side, int remaining, SearchContext& ctx, bool& stopped) {
    ++ctx.nodes;
    if (ctx.PollStop()) {
        stopped = true;
        return 0;
    }
    Move moves[fast::kMaxMoves];
    const NodeStatus status = ExamineNode(p, side, moves, ctx);
    if (status.status == kStatusMate) return MatePrice(ctx, side, remaining);
    if (status.status == kStatusStalemate) return StalematePrice(ctx, side, remaining);
    const int count = status.moveCount;
    WeighMoves(p, moves, count, remaining, ctx);
    const bool engineSide = side == ctx.engineColor;
    if (remaining > 0) {
        ExchangeSort(std::span(moves, count), engineSide);
        for (int k = 0; k < count; ++k) {
            Move& m = moves[k];
            Position child;
            fast::Apply(child, p, m);
            if (LeavesKingAttacked(child, side)) {
                m.price = IllegalPrice(ctx, side);
                continue;
            }
            if (stopped) continue;
            bool childStopped = false;
            m.price += SearchNode(child, 1 - side, remaining - 1, ctx, childStopped);
            stopped = childStopped;
        }
    }
    return ChosenPrice(moves, count, engineSide, ChoiceNumber(ctx.Second()));
}

} // namespace engine
