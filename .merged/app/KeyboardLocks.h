#pragma once

#include <optional>

// Whether the three lock keys are on.
struct SKeyboardLocks {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    bool operator==(const SKeyboardLocks&) const = default;
};

// The lock keys' states where the platform tells them (an X11 display, Windows); nothing
// elsewhere (Wayland, a screen without a keyboard).
std::optional<SKeyboardLocks> ReadKeyboardLocks();
