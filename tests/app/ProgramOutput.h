#pragma once

#include <QString>

// A program's output with its lines ended by "\n" alone: on Windows the C runtime ends them
// with "\r\n".
inline QString WithNewlineEnds(QString output)
{
    return output.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
