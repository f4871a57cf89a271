#include "app/CallersConsole.h"

#include <cstdio>

#include <windows.h>

void UseCallersConsole()
{
    // Output sent to a file or a pipe already goes where the caller wants it.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS))
        std::freopen("CONOUT$", "w", stdout);
}
