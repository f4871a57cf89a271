#include "cli/NullDevice.h"

#include <sys/stat.h>

bool IsNullDevice(const std::string& name)
{
    // The device itself, under any name or through a link.
    struct stat named {};
    struct stat null {};
    return ::stat(name.c_str(), &named) == 0 && ::stat("/dev/null", &null) == 0 && S_ISCHR(named.st_mode)
        && S_ISCHR(null.st_mode) && named.st_rdev == null.st_rdev;
}
