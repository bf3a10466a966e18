#include "app/shell/keyboard_locks.h"

#include <QGuiApplication>
#include <QLibrary>

namespace {

// XkbGetIndicatorState, looked up at run time so the program needs no X11
// headers and still runs on other window systems.
using XkbGetIndicatorStateFn = int (*)(void* display, unsigned device, unsigned* state);
constexpr unsigned kXkbUseCoreKeyboard = 0x0100;

XkbGetIndicatorStateFn IndicatorReader() {
    static const auto reader = [] {
        QLibrary x11(QStringLiteral("X11"), 6);
        return reinterpret_cast<XkbGetIndicatorStateFn>(x11.resolve("XkbGetIndicatorState"));
    }();
    return reader;
}

} // namespace

sKeyboardLocks ReadKeyboardLocks() {
    sKeyboardLocks locks;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return locks;
    const XkbGetIndicatorStateFn read = IndicatorReader();
    unsigned state = 0;
    if (!read || read(x11->display(), kXkbUseCoreKeyboard, &state) != 0) return locks;
    locks.caps = state & 1u;
    locks.num = state & 2u;
    locks.scroll = state & 4u;
    return locks;
}
