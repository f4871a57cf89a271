#include "cli/NullDevice.h"

#include <algorithm>
#include <cctype>

bool IsNullDevice(const std::string& name)
{
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == "NUL" || upper == "\\\\.\\NUL";
}
