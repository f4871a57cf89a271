#pragma once

#include <QString>

// What a first start of the program from its build tree leaves in the desktop's file types,
// which differs per system (RegistrationHelpers_unix.cpp, _win.cpp): on Linux it registers
// ".wo3" for the user in dataHome; on Windows the installer does, so a start leaves the
// registry as it was. Empty when that holds, else what is wrong.
QString StartUpRegistrationFault(const QString& dataHome);
