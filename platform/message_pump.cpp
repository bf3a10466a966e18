#include "platform/message_pump.h"

#include "platform/native_defaults.h"

#include <mutex>
#include <utility>

namespace platform {
namespace {

std::mutex pumpMutex;
MessagePump installedPump;

} // namespace

MessagePump SetMessagePump(MessagePump pump) {
    std::lock_guard lock(pumpMutex);
    return std::exchange(installedPump, std::move(pump));
}

bool PumpMessages() {
    MessagePump pump;
    {
        std::lock_guard lock(pumpMutex);
        pump = installedPump;
    }
    return pump ? pump() : native::PumpMessages();
}

} // namespace platform
