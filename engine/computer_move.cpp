#include "engine/computer_move.h"

#include "engine/fast_search.h"
#include "engine/game_status.h"
#include "engine/move_generator.h"
#include "engine/search_context.h"
#include "engine/step_tables.h"
#include "platform/message_pump.h"
#include "platform/thread_mailbox.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <thread>

namespace engine {
namespace {

constexpr auto kIdleWait = std::chrono::milliseconds(5);

std::mutex clockMutex;
std::function<int64_t()> searchClock;

std::function<int64_t()> CurrentClock() {
    std::lock_guard lock(clockMutex);
    return searchClock;
}

// The search thread's side of the hand-over: its mailbox, its result and
// the done flag the calling thread waits for.
struct SearchJob {
    std::atomic<platform::ThreadId> thread{0};
    std::atomic<bool> done{false};
    std::mutex mutex;
    std::condition_variable finished;
    sEngineMove result;
    bool kingMissing = false;

    void Run(const sFigureList& list, const sRuleState& rules, SearchContext ctx) {
        // The mailbox opens at the root's own poll, so the root never sees a
        // stop: a stopped search always has a root move to return.
        thread = platform::CurrentThreadId();
        ctx.stopRequested = [] { return platform::PeekQuitMessage(); };
        result = SearchMoves(list, ctx.engineColor, ctx.depth, rules, ctx);
        kingMissing = ctx.kingMissing;
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        finished.notify_all();
    }

    // Dispatches the caller's messages until the search is done; a set stop
    // word is answered by a quit request after every dispatched message.
    void Pump(const int* stop) {
        while (!done) {
            const bool dispatched = platform::PumpMessages();
            if (dispatched && stop && *stop == 1)
                if (const platform::ThreadId id = thread.load()) platform::PostQuitMessage(id);
            if (!dispatched) {
                std::unique_lock lock(mutex);
                finished.wait_for(lock, kIdleWait, [this] { return done.load(); });
            }
        }
    }
};

void WriteMove(const sEngineMove& move, sRuleState& rules, CFigure** captured, CFigure** moved,
               int* targetX, int* targetY) {
    if (captured) *captured = move.piece && move.kind == kCapture ? move.other : nullptr;
    if (moved) *moved = move.piece;
    if (targetX) *targetX = move.x;
    if (targetY) *targetY = move.y;
    // A position without a move (mate or stalemate) leaves the caller's data alone.
    if (!move.piece) return;
    UpdateRights(rules, *move.piece);
    if (move.kind == kCastling && move.other)
        move.other->x = move.other->x == 0 ? 3 : move.other->x == 7 ? 5 : move.other->x;
    if (move.piece->type == kPawn && move.y == (move.piece->color == 0 ? 7 : 0))
        move.piece->type = kQueen;
}

} // namespace

void SetSearchClock(std::function<int64_t()> clock) {
    std::lock_guard lock(clockMutex);
    searchClock = std::move(clock);
}

int ComputeMove(sFigureList* figures, int opponentColor, int level, sRuleState* rules,
                CFigure** captured, CFigure** moved, int* targetX, int* targetY, int* stop) {
    std::FILE* log = std::fopen(kDebugReportName, "wb");
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    SearchContext ctx;
    ctx.engineColor = opponentColor == 0 ? 1 : 0;
    // Levels outside 0..2 would search without end or divide by zero.
    ctx.depth = std::clamp(level, 0, 2) + 2;
    ctx.log = log;
    ctx.clockSecond = CurrentClock();
    ctx.threads = std::thread::hardware_concurrency() >= 2 ? 2 : 1;

    const sFigureList noFigures{};
    sRuleState noRights{};
    const sFigureList& list = figures ? *figures : noFigures;
    sRuleState& rights = rules ? *rules : noRights;

    SearchJob job;
    std::thread search([&] { job.Run(list, rights, ctx); });
    job.Pump(stop);
    search.join();

    if (job.kingMissing) ReportMissingKing();
    WriteMove(job.result, rights, captured, moved, targetX, targetY);
    if (log) std::fclose(log);
    return 0;
}

} // namespace engine
