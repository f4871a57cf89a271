#include "CommandHelpers.h"

const SStandInCommands& StandInCommands()
{
    static const SStandInCommands commands {
        QStringLiteral("true"),
        QStringLiteral("false"),
        QStringLiteral(R"(sh -c "seq 1 40; echo cannot read $0 >&2; exit 3" %f)"),
        QStringLiteral(R"(sh -c "echo 1 part compiled")"),
        QStringLiteral(R"(sh -c "sleep 30" %f)"),
        QStringLiteral(R"(sh -c "echo Größe übung")"),
    };
    return commands;
}
