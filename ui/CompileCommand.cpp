#include "ui/CompileCommand.h"

#include <QCoreApplication>
#include <QMimeType>
#include <QProcess>

namespace {

bool IsFontTypeName(const QString& name)
{
    return name.startsWith(QLatin1String("font/")) || name.startsWith(QLatin1String("application/x-font"));
}

}

bool IsFontType(const QMimeType& fileType)
{
    if (IsFontTypeName(fileType.name()))
        return true;
    for (const QString& parent : fileType.allAncestors())
        if (IsFontTypeName(parent))
            return true;
    return false;
}

SCompileLaunch PlanCompileLaunch(const QString& command, const QString& path, const QMimeType& fileType)
{
    SCompileLaunch launch;
    if (command.trimmed().isEmpty()) {
        if (IsFontType(fileType)) {
            launch.refusal = QCoreApplication::translate("CompileCommand",
                "The desktop opens %1 files as fonts. Choose the program that compiles parts files under Options, "
                "General options.")
                                 .arg(QStringLiteral("*.bdf"));
            return launch;
        }
        launch.how = SCompileLaunch::EHow::desktop;
        return launch;
    }
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty()) {
        launch.refusal = QCoreApplication::translate("CompileCommand", "The compile command \"%1\" names no program.")
                             .arg(command);
        return launch;
    }
    bool fileNamed = false;
    for (QString& word : words) {
        if (word.contains(QLatin1String("%f"))) {
            word.replace(QLatin1String("%f"), path);
            fileNamed = true;
        }
    }
    if (!fileNamed)
        words << path;
    launch.how = SCompileLaunch::EHow::command;
    launch.program = words.takeFirst();
    launch.arguments = words;
    return launch;
}
