#include "engine/root_split.h"

#include "engine/fast_node.h"
#include "engine/search_common.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace engine {
namespace {

bool SearchInOrder(const fast::Position& root, std::span<RootChild> children, int side,
                   int remaining, SearchContext& ctx) {
    bool stopped = false;
    for (RootChild& c : children) {
        fast::Position child;
        fast::Apply(child, root, c.move);
        if (LeavesKingAttacked(child, side)) {
            c.price = IllegalPrice(ctx, side);
            continue;
        }
        if (stopped) continue;
        bool childStopped = false;
        c.price += SearchNode(child, 1 - side, remaining - 1, ctx, childStopped);
        stopped = childStopped;
    }
    return stopped;
}

// Two workers take the root moves in order. Stop requests reach the search
// thread's poll only; it hands them on through `pendingStops`, one per node
// poll of either worker, as the single-threaded search would take them.
class RootSplit {
public:
    RootSplit(const fast::Position& root, std::span<RootChild> children, int side, int remaining,
              SearchContext& ctx)
        : root_(root), children_(children), side_(side), remaining_(remaining), ctx_(ctx),
          childPrice_(children.size(), 0), illegal_(children.size(), 0),
          stopIndex_(static_cast<int>(children.size())) {
        for (std::size_t k = 0; k < children.size(); ++k) {
            fast::Position child;
            fast::Apply(child, root, children[k].move);
            illegal_[k] = LeavesKingAttacked(child, side);
        }
    }

    bool Run() {
        SearchContext helperCtx = WorkerContext();
        SearchContext ownCtx = WorkerContext();
        std::thread helper([&] {
            Work(helperCtx, false);
            std::lock_guard lock(mutex_);
            helperDone_ = true;
            helperFinished_.notify_all();
        });
        Work(ownCtx, true);
        {
            // Keep taking stop requests while the helper finishes its move.
            std::unique_lock lock(mutex_);
            while (!helperDone_) {
                lock.unlock();
                if (ctx_.PollStop()) ++pendingStops_;
                lock.lock();
                helperFinished_.wait_for(lock, std::chrono::milliseconds(1));
            }
        }
        helper.join();
        ctx_.nodes += ownCtx.nodes + helperCtx.nodes;
        ctx_.kingMissing |= ownCtx.kingMissing || helperCtx.kingMissing;

        const int stopIndex = stopIndex_.load();
        for (int k = 0; k < static_cast<int>(children_.size()); ++k) {
            if (illegal_[k])
                children_[k].price = IllegalPrice(ctx_, side_);
            else if (k <= stopIndex)
                children_[k].price += childPrice_[k];
        }
        return stopIndex < static_cast<int>(children_.size());
    }

private:
    SearchContext WorkerContext() const {
        SearchContext worker;
        worker.engineColor = ctx_.engineColor;
        worker.depth = ctx_.depth;
        worker.clockSecond = ctx_.clockSecond;
        return worker;
    }

    bool TakeStop(bool onSearchThread, int current) {
        if (onSearchThread && ctx_.PollStop()) ++pendingStops_;
        if (current > stopIndex_.load()) return true; // abandoned: this move keeps its static price
        int pending = pendingStops_.load();
        while (pending > 0 && !pendingStops_.compare_exchange_weak(pending, pending - 1)) {
        }
        return pending > 0;
    }

    void Work(SearchContext& worker, bool onSearchThread) {
        int current = -1;
        worker.stopRequested = [this, onSearchThread, &current] {
            return TakeStop(onSearchThread, current);
        };
        for (;;) {
            const int k = next_.fetch_add(1);
            if (k >= static_cast<int>(children_.size()) || k > stopIndex_.load()) return;
            if (illegal_[k]) continue;
            current = k;
            fast::Position child;
            fast::Apply(child, root_, children_[k].move);
            bool stopped = false;
            childPrice_[k] = SearchNode(child, 1 - side_, remaining_ - 1, worker, stopped);
            if (stopped) {
                int seen = stopIndex_.load();
                while (k < seen && !stopIndex_.compare_exchange_weak(seen, k)) {
                }
            }
        }
    }

    const fast::Position& root_;
    std::span<RootChild> children_;
    const int side_;
    const int remaining_;
    SearchContext& ctx_;
    std::vector<int32_t> childPrice_;
    std::vector<char> illegal_;
    std::atomic<int> next_{0};
    std::atomic<int> stopIndex_;
    std::atomic<int> pendingStops_{0};
    std::mutex mutex_;
    std::condition_variable helperFinished_;
    bool helperDone_ = false;
};

} // namespace

bool SearchRootChildren(const fast::Position& root, std::span<RootChild> children, int side,
                        int remaining, SearchContext& ctx) {
    // Below three plies a second thread costs more than it saves.
    if (ctx.threads < 2 || children.size() < 2 || remaining < 3)
        return SearchInOrder(root, children, side, remaining, ctx);
    return RootSplit(root, children, side, remaining, ctx).Run();
}

} // namespace engine
