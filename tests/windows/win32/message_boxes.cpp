#include "message_boxes.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace dll_test {
namespace {

constexpr UINT kPollMs = 20;

std::string answered;
std::string ignoredCaption;

bool HasClass(HWND window, const char* name) {
    char found[32] = {};
    GetClassNameA(window, found, sizeof found);
    return lstrcmpiA(found, name) == 0;
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The box's message is the one static control that has text.
BOOL CALLBACK FindMessage(HWND child, LPARAM message) {
    if (HasClass(child, "Static") && !TextOf(child).empty())
        *reinterpret_cast<std::string*>(message) = TextOf(child);
    return TRUE;
}

BOOL CALLBACK AnswerBox(HWND window, LPARAM) {
    if (!HasClass(window, "#32770") || !IsWindowVisible(window)) return TRUE;
    if (!ignoredCaption.empty() && TextOf(window) == ignoredCaption) return TRUE;
    std::string message;
    EnumChildWindows(window, FindMessage, reinterpret_cast<LPARAM>(&message));
    answered += TextOf(window) + ": " + message + "\n";
    // Sent, not posted: the box is hidden before the next poll.
    SendMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerBox, 0);
}

} // namespace

void ConfirmMessageBoxes(const std::string& otherDialog) {
    ignoredCaption = otherDialog;
    SetTimer(nullptr, 0, kPollMs, Poll);
}

std::string TakeMessageBoxes() {
    return std::exchange(answered, {});
}

} // namespace dll_test
