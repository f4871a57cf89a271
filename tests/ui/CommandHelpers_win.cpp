#include "CommandHelpers.h"

// The file goes inside cmd's one quoted command: given after it, it would make cmd take the
// quotes for its own.
const SStandInCommands& StandInCommands()
{
    static const SStandInCommands commands {
        QStringLiteral("cmd /c exit 0"),
        QStringLiteral("cmd /c exit 1"),
        QStringLiteral(R"(cmd /c "(for /l %i in (1,1,40) do @echo %i) & (echo cannot read %f)>&2 & exit 3")"),
        QStringLiteral(R"(cmd /c "echo 1 part compiled& rem %f")"),
        QStringLiteral(R"(cmd /c "ping -n 31 127.0.0.1 >nul& rem %f")"),
        QStringLiteral(R"(cmd /c "echo Größe übung& rem %f")"),
    };
    return commands;
}
