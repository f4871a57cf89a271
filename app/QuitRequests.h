#pragma once

#include <functional>

// The system's requests to end the window program: on Unix an interrupt, a termination or a
// hang-up; on Windows the console's Ctrl+C, Ctrl+Break or closing. Each system has a file of
// its own (QuitRequests_unix.cpp, QuitRequests_win.cpp).

// From now on every such request calls quit instead of ending the program at once; quit may
// be called on another thread than the window's. A signal the program was started with
// ignored stays ignored.
void FollowQuitRequests(std::function<void()> quit);
// Requests end the program at once again, as the system does by default.
void StopFollowingQuitRequests();
