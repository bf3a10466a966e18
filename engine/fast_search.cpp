#include "engine/fast_search.h"

#include "engine/fast_node.h"
#include "engine/reference_search.h"
#include "engine/root_split.h"
#include "engine/search_common.h"

#include <span>
#include <vector>

namespace engine {

sEngineMove SearchMoves(const sFigureList& list, int32_t side, int32_t remaining,
                        const sRuleState& rules, SearchContext& ctx) {
    fast::Position root;
    if (!fast::Load(list, rules, root))
        return ReferenceSearchMoves(list, side, remaining, rules, ctx);

    ++ctx.nodes;
    sEngineMove result;
    if (ctx.PollStop()) {
        result.stopped = 1;
        return result;
    }
    std::vector<fast::Move> generated(fast::kMaxMoves);
    const NodeStatus status = ExamineNode(root, side, generated.data(), ctx);
    if (status.status == kStatusMate) {
        result.price = MatePrice(ctx, side, remaining);
        return result;
    }
    if (status.status == kStatusStalemate) {
        result.price = StalematePrice(ctx, side, remaining);
        return result;
    }
    WeighMoves(root, generated.data(), status.moveCount, remaining, ctx);

    // The root keeps the caller's records so that the chosen move and the
    // report name them.
    struct RootEntry {
        sEngineMove move;
        fast::Move compact;
        int32_t price;
    };
    std::vector<RootEntry> entries(status.moveCount);
    for (int k = 0; k < status.moveCount; ++k) {
        const fast::Move& m = generated[k];
        RootEntry& e = entries[k];
        e.compact = m;
        e.price = m.price;
        e.move.piece = list.figures[m.figure];
        e.move.x = m.x;
        e.move.y = m.y;
        e.move.kind = m.kind;
        e.move.other = m.other == fast::kNoFigure ? nullptr : list.figures[m.other];
    }
    const bool engineSide = side == ctx.engineColor;
    bool stopped = false;
    if (remaining > 0) {
        ExchangeSort(std::span(entries), engineSide);
        std::vector<RootChild> children;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            entries[k].move.index = static_cast<int32_t>(k);
            children.push_back({entries[k].compact, entries[k].price});
        }
        stopped = SearchRootChildren(root, children, side, remaining, ctx);
        for (std::size_t k = 0; k < entries.size(); ++k) entries[k].price = children[k].price;
        ExchangeSort(std::span(entries), engineSide);
    }

    std::vector<sEngineMove> sorted;
    for (RootEntry& e : entries) {
        e.move.price = e.price;
        sorted.push_back(e.move);
    }
    const std::size_t n = CandidateCount(std::span<const sEngineMove>(sorted));
    result = sorted[static_cast<uint32_t>(ChoiceNumber(ctx.Second())) % n];
    result.stopped = stopped ? 1 : 0;
    if (remaining == ctx.depth) WriteDebugReport(ctx.log, sorted);
    return result;
}

} // namespace engine
