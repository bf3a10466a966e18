// The "MIDI_KB" window class: every window of it owns a keyboard control,
// reached by the exported calls through the window's handle, and paints it
// with GDI.

#include "midi/control_registry.h"
#include "midi/midi_keyboard.h"
#include "midi/play_state.h"
#include "platform/win32/this_module.h"

#include <windows.h>

#include <array>
#include <mutex>

namespace midi {
namespace {

constexpr char kClassName[] = "MIDI_KB";

COLORREF ToColorRef(KeyColour c) {
    return RGB(c.r, c.g, c.b);
}

RECT ToRect(const KeyRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

class KeyboardWindow final : private KeyboardView {
public:
    explicit KeyboardWindow(HWND window) : window_(window) {
        std::lock_guard lock(ComponentMutex());
        RegisterControl(window_, &keyboard_);
    }
    ~KeyboardWindow() override {
        std::lock_guard lock(ComponentMutex());
        UnregisterControl(window_);
    }

    // Rectangles in the key's colour outlined by a black pen, then the frame.
    void Paint(HDC dc) const {
        std::array<KeyColour, kKeyCount> colours;
        {
            std::lock_guard lock(ComponentMutex());
            for (int k = 0; k < kKeyCount; ++k) colours[k] = keyboard_.ColourOf(k);
        }
        const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
        const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        for (int k = 0; k < kKeyCount; ++k) {
            const HBRUSH brush = CreateSolidBrush(ToColorRef(colours[k]));
            SelectObject(dc, brush);
            const KeyRect& r = keyboard_.keys()[k].rect;
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            DeleteObject(brush);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        const HBRUSH frameBrush = CreateSolidBrush(ToColorRef(kBlackKeyColour));
        const RECT frame = ToRect(kKeyboardFrame);
        FrameRect(dc, &frame, frameBrush);
        DeleteObject(frameBrush);
    }

private:
    // Safe from the player thread: invalidation only marks the window.
    void InvalidateKey(const KeyRect& rect) override {
        const RECT area = ToRect(rect);
        InvalidateRect(window_, &area, FALSE);
    }
    void InvalidateAll() override { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    CMidiKeyboard keyboard_{this};
};

// The control lives in the window's extra bytes from the first message the
// window receives until its last.
LRESULT CALLBACK KeyboardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<KeyboardWindow*>(GetWindowLongPtrA(window, 0));
    if (!control && message != WM_NCDESTROY) {
        control = new KeyboardWindow(window);
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(control));
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        control->Paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (lParam & PRF_ERASEBKGND) {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        }
        control->Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, 0, 0);
        delete control;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Registered while the library is loaded, global so that a host's dialogs
// can name it as a custom control.
struct ClassRegistration {
    ClassRegistration() {
        WNDCLASSA windowClass{};
        windowClass.style = CS_GLOBALCLASS;
        windowClass.lpfnWndProc = KeyboardProc;
        windowClass.cbWndExtra = sizeof(KeyboardWindow*);
        windowClass.hInstance = platform::ThisModule();
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
    }
    ~ClassRegistration() { UnregisterClassA(kClassName, platform::ThisModule()); }
};

const ClassRegistration registration;

} // namespace
} // namespace midi
