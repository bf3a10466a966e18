#include "uci/line_queue.h"

void LineQueue::Push(std::string line) {
    {
        std::lock_guard lock(mutex_);
        lines_.push_back(std::move(line));
    }
    arrived_.notify_one();
}

void LineQueue::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    arrived_.notify_all();
}

std::optional<std::string> LineQueue::Pop() {
    std::unique_lock lock(mutex_);
    arrived_.wait(lock, [this] { return closed_ || !lines_.empty(); });
    if (lines_.empty()) return std::nullopt;
    std::string line = std::move(lines_.front());
    lines_.pop_front();
    return line;
}

std::optional<std::string> LineQueue::TryPop() {
    std::lock_guard lock(mutex_);
    if (lines_.empty()) return std::nullopt;
    std::string line = std::move(lines_.front());
    lines_.pop_front();
    return line;
}
