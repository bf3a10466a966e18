#include "net/answer_budget.h"

bool CAnswerBudget::Take(uint64_t nowMs) {
    // The slot to reuse holds the oldest of the last kPerSecond answers.
    if (count_ == kPerSecond && nowMs - sent_[next_] < 1000) return false;
    sent_[next_] = nowMs;
    next_ = (next_ + 1) % kPerSecond;
    if (count_ < kPerSecond) ++count_;
    return true;
}
