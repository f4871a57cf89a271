#include "app/KeyboardLocks.h"

#include <windows.h>

std::optional<SKeyboardLocks> ReadKeyboardLocks()
{
    return SKeyboardLocks {(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
        (GetKeyState(VK_SCROLL) & 1) != 0};
}
