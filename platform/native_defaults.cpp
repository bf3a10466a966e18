#include "platform/native_defaults.h"

#include "platform/message_box.h"

#include <cstdio>

namespace platform::native {

// Without a host's window system the text goes to stderr, and a question is
// answered "No".
int ShowMessageBox(const std::string& text, const std::string& caption, int buttons) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return buttons == kYesNo ? kIdNo : kIdOk;
}

// Window events belong to the host's toolkit, which installs its own pump.
bool PumpMessages() {
    return false;
}

} // namespace platform::native
