#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

// Lines handed from the thread that reads standard input to the one that
// answers them.
class LineQueue {
public:
    void Push(std::string line);
    // No more lines will come; Pop answers none once the queue is empty.
    void Close();
    // The next line, waiting for it; none once closed and empty.
    std::optional<std::string> Pop();
    // The next line if one is there.
    std::optional<std::string> TryPop();

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::string> lines_;
    bool closed_ = false;
};
