#include "app/QuitRequests.h"

#include <windows.h>

#include <mutex>

namespace {

std::mutex s_quitGuard;
std::function<void()> s_quit;
// The system ends the program once the handler of a closing console returns: it waits here
// while the window's thread ends the program in order (and so ends this thread too).
constexpr DWORD kCloseWaitMs = 4500;

BOOL WINAPI OnConsoleRequest(DWORD request)
{
    {
        const std::lock_guard guard(s_quitGuard);
        if (!s_quit)
            return FALSE;
        s_quit();
    }
    if (request == CTRL_CLOSE_EVENT || request == CTRL_LOGOFF_EVENT || request == CTRL_SHUTDOWN_EVENT)
        ::Sleep(kCloseWaitMs);
    return TRUE;
}

}

void FollowQuitRequests(std::function<void()> quit)
{
    {
        const std::lock_guard guard(s_quitGuard);
        s_quit = std::move(quit);
    }
    ::SetConsoleCtrlHandler(OnConsoleRequest, TRUE);
}

void StopFollowingQuitRequests()
{
    ::SetConsoleCtrlHandler(OnConsoleRequest, FALSE);
    const std::lock_guard guard(s_quitGuard);
    s_quit = nullptr;
}
