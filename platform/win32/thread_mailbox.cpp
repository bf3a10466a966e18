#include "platform/thread_mailbox.h"

#include <windows.h>

// The mailbox is the thread's own message queue, which the system creates at
// the thread's first PeekMessage.
namespace platform {

ThreadId CurrentThreadId() {
    return GetCurrentThreadId();
}

bool PostQuitMessage(ThreadId thread) {
    return PostThreadMessageA(static_cast<DWORD>(thread), WM_QUIT, 0, 0) != 0;
}

bool PeekQuitMessage() {
    MSG message;
    return PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message == WM_QUIT;
}

} // namespace platform
