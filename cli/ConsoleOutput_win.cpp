#include "cli/ConsoleOutput.h"

#include <cstdlib>

#include <windows.h>

namespace {

UINT g_callersCodePage = 0;

bool IsConsole(DWORD stream)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

// The console is the caller's: it gets its code page back when the tool ends.
void RestoreCallersCodePage()
{
    if (g_callersCodePage != 0)
        SetConsoleOutputCP(g_callersCodePage);
}

}

void ShowUtf8OnConsole()
{
    if (!IsConsole(STD_OUTPUT_HANDLE) && !IsConsole(STD_ERROR_HANDLE))
        return;
    const UINT codePage = GetConsoleOutputCP();
    if (codePage == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8))
        return;
    if (g_callersCodePage == 0) {
        g_callersCodePage = codePage;
        std::atexit(RestoreCallersCodePage);
    }
}
