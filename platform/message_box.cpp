#include "platform/message_box.h"

#include "platform/native_defaults.h"

#include <mutex>
#include <utility>

namespace platform {
namespace {

std::mutex handlerMutex;
MessageBoxHandler handler = native::ShowMessageBox;

} // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, int buttons) {
    MessageBoxHandler current;
    {
        std::lock_guard lock(handlerMutex);
        current = handler;
    }
    return current(text, caption, buttons);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler next) {
    std::lock_guard lock(handlerMutex);
    MessageBoxHandler previous = std::move(handler);
    handler = next ? std::move(next) : MessageBoxHandler(native::ShowMessageBox);
    return previous;
}

} // namespace platform
