#pragma once

#include <QString>

// Commands of the system that stand in for the desktop's opener and the user's compile
// command in the tests, as the user would write them there (CommandHelpers_unix.cpp, _win.cpp).
struct SStandInCommands {
    // End well, or badly, when handed a file, as the desktop's opener does with or without a
    // program for it.
    QString opens;
    QString findsNoProgram;
    // Print 1 to 40, then "cannot read" and the file on standard error, and end with 3.
    QString failsAfterFortyLines;
    // Prints "1 part compiled" and ends well.
    QString printsOneLine;
    // Runs for half a minute.
    QString runsLong;
    // Prints "Größe übung" as the system's console writes text, and ends well.
    QString printsGroesse;
};

const SStandInCommands& StandInCommands();
