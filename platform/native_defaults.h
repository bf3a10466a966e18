#pragma once

#include <string>

// What each operating system's side does when no host has installed a
// handler of its own: this file's twin under win32/ holds the Windows side.
namespace platform::native {

int ShowMessageBox(const std::string& text, const std::string& caption, int buttons);

// Dispatches pending messages of the calling thread; true when it did.
bool PumpMessages();

} // namespace platform::native
