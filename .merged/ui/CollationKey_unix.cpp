#include "ui/CollationKey.h"

std::optional<std::string> CollationBytes(const QCollator&, const QString&)
{
    return std::nullopt;
}
