// The state of the keyboard's lock keys, which Qt does not tell: asked of the window system.
#pragma once

#include <optional>

namespace kesto::app {

struct KeyboardLocks {
    bool capsLock = false;
    bool numLock = false;
};

// The locks as they are now, or none where the window system cannot tell (the offscreen
// platform, a system not known here).
std::optional<KeyboardLocks> keyboardLocks();

}  // namespace kesto::app
