#include "support/cut_proxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <vector>

namespace {

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

bool WriteAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

// One relayed connection: the caller's socket and the one to the listener.
struct Pair {
    int caller;
    int listener;
};

} // namespace

CutProxy::CutProxy(uint16_t targetPort) : target_(targetPort) {
    if (::pipe(wake_) != 0) return;
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
}

CutProxy::~CutProxy() {
    stop_ = true;
    Wake();
    if (thread_.joinable()) thread_.join();
    for (int fd : {listener_, wake_[0], wake_[1]})
        if (fd >= 0) ::close(fd);
}

void CutProxy::Wake() {
    if (wake_[1] >= 0) (void)!::write(wake_[1], "!", 1);
}

void CutProxy::Cut() {
    const int asked = ++cutsAsked_;
    Wake();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (cutsDone_ < asked && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void CutProxy::Run() {
    std::vector<Pair> pairs;
    const auto closePair = [&](size_t i) {
        ::close(pairs[i].caller);
        ::close(pairs[i].listener);
        pairs.erase(pairs.begin() + std::ptrdiff_t(i));
    };
    while (!stop_) {
        std::vector<pollfd> polled = {{wake_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
        for (const Pair& p : pairs) {
            polled.push_back({p.caller, POLLIN, 0});
            polled.push_back({p.listener, POLLIN, 0});
        }
        if (::poll(polled.data(), polled.size(), 1000) < 0) break;
        if (polled[0].revents) {
            char drain[64];
            (void)!::read(wake_[0], drain, sizeof drain);
        }
        if (cutsDone_ < cutsAsked_) {
            while (!pairs.empty()) closePair(0);
            cutsDone_ = cutsAsked_.load();
            continue;
        }
        if (polled[1].revents & POLLIN) {
            const int caller = ::accept(listener_, nullptr, nullptr);
            const int onward = ::socket(AF_INET, SOCK_STREAM, 0);
            const sockaddr_in target = Loopback(target_);
            ++accepted_;
            if (caller >= 0 && onward >= 0 &&
                ::connect(onward, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0) {
                pairs.push_back({caller, onward});
            } else {
                // Nobody listens there: the caller is let go at once.
                if (caller >= 0) ::close(caller);
                if (onward >= 0) ::close(onward);
            }
            continue;
        }
        for (size_t i = 0; i < pairs.size(); ++i) {
            const short fromCaller = polled[2 + 2 * i].revents;
            const short fromListener = polled[3 + 2 * i].revents;
            if (!fromCaller && !fromListener) continue;
            const bool callerSide = fromCaller != 0;
            const int from = callerSide ? pairs[i].caller : pairs[i].listener;
            const int to = callerSide ? pairs[i].listener : pairs[i].caller;
            char buffer[4096];
            const ssize_t got = ::recv(from, buffer, sizeof buffer, 0);
            bool open = got > 0;
            if (open && (callerSide ? dropFromCaller_ : dropFromListener_))
                dropped_ += size_t(got);
            else if (open)
                open = WriteAll(to, buffer, got);
            // One pair a round: the poll list no longer matches once one closes.
            if (!open) closePair(i);
            break;
        }
    }
    while (!pairs.empty()) closePair(0);
}
