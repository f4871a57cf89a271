#pragma once

// The tool writes UTF-8; a console that shows another code page is switched to UTF-8 while
// the tool runs (ConsoleOutput_win.cpp), so names with letters beyond ASCII show as written.
// Output to a file or a pipe is left as it is, and elsewhere terminals take UTF-8 already
// (ConsoleOutput_unix.cpp).
void ShowUtf8OnConsole();
