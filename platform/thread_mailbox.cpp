#include "platform/thread_mailbox.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

struct Mailbox {
    std::atomic<int> pendingQuits{0};
};

std::mutex registryMutex;
std::unordered_map<ThreadId, std::shared_ptr<Mailbox>>& Registry() {
    static auto* registry = new std::unordered_map<ThreadId, std::shared_ptr<Mailbox>>;
    return *registry;
}

std::atomic<ThreadId> nextThreadId{1};

struct ThreadMailbox {
    ThreadId id = nextThreadId.fetch_add(1);
    std::shared_ptr<Mailbox> mailbox;

    ~ThreadMailbox() {
        if (!mailbox) return;
        std::lock_guard lock(registryMutex);
        Registry().erase(id);
    }
};

thread_local ThreadMailbox current;

} // namespace

ThreadId CurrentThreadId() {
    return current.id;
}

bool PostQuitMessage(ThreadId thread) {
    std::lock_guard lock(registryMutex);
    auto it = Registry().find(thread);
    if (it == Registry().end()) return false;
    it->second->pendingQuits.fetch_add(1);
    return true;
}

bool PeekQuitMessage() {
    if (!current.mailbox) {
        auto mailbox = std::make_shared<Mailbox>();
        std::lock_guard lock(registryMutex);
        Registry()[current.id] = mailbox;
        current.mailbox = std::move(mailbox);
        return false;
    }
    std::atomic<int>& pending = current.mailbox->pendingQuits;
    int count = pending.load(std::memory_order_relaxed);
    while (count > 0 && !pending.compare_exchange_weak(count, count - 1)) {
    }
    return count > 0;
}

} // namespace platform
