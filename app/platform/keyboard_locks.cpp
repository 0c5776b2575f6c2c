#include "app/platform/keyboard_locks.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(KESTO_HAVE_X11) && QT_CONFIG(xcb)
// After every Qt header: Xlib defines macros (None, Bool, Status) that Qt's names would meet.
#include <X11/XKBlib.h>
#define KESTO_ASK_X11
#endif

namespace kesto::app {

std::optional<KeyboardLocks> keyboardLocks() {
#if defined(Q_OS_WIN)
    return KeyboardLocks{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0};
#elif defined(KESTO_ASK_X11)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) {
        return std::nullopt;
    }
    // Asked by name: where each indicator sits depends on the keyboard map.
    const auto on = [display](const char* name) {
        Bool state = False;
        const Atom atom = XInternAtom(display, name, False);
        return XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr) == True &&
               state == True;
    };
    return KeyboardLocks{on("Caps Lock"), on("Num Lock")};
#else
    return std::nullopt;
#endif
}

}  // namespace kesto::app
