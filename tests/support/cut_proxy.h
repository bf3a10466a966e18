#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <thread>

// A relay on 127.0.0.1 between a caller and a listening side that a test can
// cut, or make drop what one side sends: a network that fails, on this
// machine only. It relays every caller it accepts until it is destroyed.
class CutProxy {
public:
    // Relays to 127.0.0.1:`targetPort`; listens on a port of the system's
    // choice.
    explicit CutProxy(uint16_t targetPort);
    ~CutProxy();
    CutProxy(const CutProxy&) = delete;
    CutProxy& operator=(const CutProxy&) = delete;

    uint16_t Port() const { return port_; }
    // Later callers are relayed to 127.0.0.1:`targetPort`.
    void SetTarget(uint16_t targetPort) { target_ = targetPort; }
    bool Listening() const { return listener_ >= 0; }

    // What the listening side (or the caller) sends is read and dropped
    // instead of relayed, as by a network that went away mid-way.
    void DropFromListener(bool drop) { dropFromListener_ = drop; }
    void DropFromCaller(bool drop) { dropFromCaller_ = drop; }
    size_t DroppedBytes() const { return dropped_; }

    // Closes every connection relayed now; returns once they are closed.
    void Cut();
    int Accepted() const { return accepted_; }

private:
    void Run();
    void Wake();

    std::atomic<uint16_t> target_;
    uint16_t port_ = 0;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    std::atomic<bool> stop_{false};
    std::atomic<bool> dropFromListener_{false};
    std::atomic<bool> dropFromCaller_{false};
    std::atomic<size_t> dropped_{0};
    std::atomic<int> accepted_{0};
    std::atomic<int> cutsAsked_{0};
    std::atomic<int> cutsDone_{0};
    std::thread thread_;
};
