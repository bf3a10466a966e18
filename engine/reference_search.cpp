#include "engine/reference_search.h"

#include "engine/attacks.h"
#include "engine/figure_list.h"
#include "engine/game_status.h"
#include "engine/move_generator.h"
#include "engine/score.h"
#include "engine/search_common.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace engine {
namespace {

MoveFacts FactsOf(const sEngineMove& m) {
    return {m.piece->type, m.piece->color,
            m.piece->x,    m.piece->y,
            m.x,           m.y,
            m.kind,        m.kind == kCapture && m.other ? m.other->type : 0};
}

struct WorkingPosition {
    std::vector<std::unique_ptr<CFigure>> records;
    std::vector<CFigure*> pointers;
    sRuleState rules{};

    WorkingPosition(const sFigureList& parent, const sRuleState& parentRules) : rules(parentRules) {
        for (int i = 0, n = FigureCount(parent); i < n; ++i) {
            const CFigure* f = parent.figures[i];
            records.push_back(std::make_unique<CFigure>(
                f ? CFigure{f->type, f->color, f->x, f->y, 0}
                  : CFigure{kNone, -1, kLiftedCoordinate, kLiftedCoordinate, 0}));
            pointers.push_back(records.back().get());
        }
    }
    sFigureList List() { return {static_cast<int32_t>(pointers.size()), 0, pointers.data()}; }
    void Remove(const CFigure* f) {
        pointers.erase(std::find(pointers.begin(), pointers.end(), f));
    }
};

} // namespace

sEngineMove ReferenceSearchMoves(const sFigureList& list, int32_t side, int32_t remaining,
                                 const sRuleState& rules, SearchContext& ctx) {
    ++ctx.nodes;
    sEngineMove result;
    if (ctx.PollStop()) {
        result.stopped = 1;
        return result;
    }
    const StatusVerdict verdict = EvaluateGameStatus(side, list, rules);
    ctx.kingMissing |= verdict.kingMissing;
    if (verdict.status == kStatusMate) {
        result.price = MatePrice(ctx, side, remaining);
        return result;
    }
    if (verdict.status == kStatusStalemate) {
        result.price = StalematePrice(ctx, side, remaining);
        return result;
    }

    MoveList moves;
    GenerateAllMoves(list, side, moves, rules);
    for (sEngineMove& m : moves)
        m.price = WeightedPrice(ctx, remaining, ScoreMove(FactsOf(m), rules, ctx.engineColor));
    const bool engineSide = side == ctx.engineColor;
    ExchangeSort(std::span(moves), engineSide);

    bool stopped = false;
    if (remaining > 0) {
        for (std::size_t k = 0; k < moves.size(); ++k) {
            sEngineMove& m = moves[k];
            m.index = static_cast<int32_t>(k);
            WorkingPosition child(list, rules);
            sFigureList childList = child.List();
            UpdateRights(child.rules, *m.piece);
            if (m.kind == kCapture) {
                child.Remove(FigureAt(childList, m.other->x, m.other->y));
                childList = child.List();
            }
            if (CFigure* mover = FigureAt(childList, m.piece->x, m.piece->y)) {
                mover->x = m.x;
                mover->y = m.y;
            }
            if (m.kind == kCastling)
                if (CFigure* rook = FigureAt(childList, m.other->x, m.other->y))
                    rook->x = rook->x == 0 ? 3 : rook->x == 7 ? 5 : rook->x;
            const CFigure* king = FindKing(childList, side);
            AttackMap attacked;
            BuildAttackMap(attacked, king, childList, OtherColor(side));
            if (king && OnBoard(*king) && attacked[SquareIndex(king->x, king->y)]) {
                m.price = IllegalPrice(ctx, side);
                continue;
            }
            if (stopped) continue;
            const sEngineMove reply =
                ReferenceSearchMoves(childList, OtherColor(side), remaining - 1, child.rules, ctx);
            if (reply.stopped) stopped = true;
            m.price += reply.price;
        }
        ExchangeSort(std::span(moves), engineSide);
    }

    const std::size_t n = CandidateCount(std::span<const sEngineMove>(moves));
    if (n == 0) return result;
    std::srand(static_cast<unsigned>(ctx.Second()));
    const int r = std::rand();
    result = moves[static_cast<std::size_t>(r) % n];
    result.stopped = stopped ? 1 : 0;
    if (remaining == ctx.depth) WriteDebugReport(ctx.log, moves);
    return result;
}

} // namespace engine
