#include "platform/native_defaults.h"

#include <windows.h>

namespace platform::native {

// The button sets and answers of platform/message_box.h are the system's own.
int ShowMessageBox(const std::string& text, const std::string& caption, int buttons) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), static_cast<UINT>(buttons));
}

// One message per call, so that a caller can look at its own state after
// every dispatched message.
bool PumpMessages() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

} // namespace platform::native
