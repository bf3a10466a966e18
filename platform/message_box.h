#pragma once

#include <functional>
#include <string>

namespace platform {

// Button sets and answers keep the values of the Windows calls they replace.
enum MessageButtons { kOk = 0, kYesNo = 4 };
enum MessageAnswer { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, int buttons)>;

// Shows a modal message box and returns the answer. Until a host installs a
// handler, Windows shows the system's box; elsewhere the text goes to stderr
// and the answer is "OK" (or "No").
int ShowMessageBox(const std::string& text, const std::string& caption = "Tavlion",
                   int buttons = kOk);

// Installs a handler (the Qt host, or a test that captures the boxes) and
// returns the one it replaces. An empty handler restores the default.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
