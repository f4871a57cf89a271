#pragma once

#include <QByteArrayView>
#include <QString>

// The text a console program wrote to a pipe, decoded as the system's console writes it
// (ConsoleText_unix.cpp, ConsoleText_win.cpp).
QString FromConsoleOutput(QByteArrayView output);
