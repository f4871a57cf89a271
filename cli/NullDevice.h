#pragma once

#include <string>

// Whether the name is the system's null device (/dev/null, NUL), which takes any output and
// keeps none: an output named so is made and thrown away, never replaced like a file.
bool IsNullDevice(const std::string& name);
