#include "platform/message_box.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace platform {
namespace {

int DefaultHandler(const std::string& text, const std::string& caption, int buttons) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return buttons == kYesNo ? kIdNo : kIdOk;
}

std::mutex handlerMutex;
MessageBoxHandler handler = DefaultHandler;

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
    handler = next ? std::move(next) : MessageBoxHandler(DefaultHandler);
    return previous;
}

} // namespace platform
