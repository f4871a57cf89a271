#pragma once

// Lets the answers to --help and --version reach the console the program was started from.
// A Windows window program has none of its own (CallersConsole_win.cpp); elsewhere standard
// output is already the caller's (CallersConsole_unix.cpp).
void UseCallersConsole();
