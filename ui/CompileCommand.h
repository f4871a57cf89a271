#pragma once

#include <QString>
#include <QStringList>

class QMimeType;

// What "Export and compile" starts for a finished parts file: the user's command, the
// desktop's program for the file, or nothing with the reason why.
struct SCompileLaunch {
    enum class EHow { command, desktop, refused };

    EHow how = EHow::refused;
    QString program;
    QStringList arguments;
    QString refusal;
};

// The user's command is split as a shell would split words (quotes keep spaces), but no shell
// runs it; "%f" stands for the file, which is added at the end when the command names no
// place for it. Without a command the desktop's program opens the file, unless the desktop
// takes such files for fonts: a font viewer would only show garbage.
SCompileLaunch PlanCompileLaunch(const QString& command, const QString& path, const QMimeType& fileType);

// True for the types the desktop gives fonts, such as the bitmap fonts sharing the parts
// file's extension.
bool IsFontType(const QMimeType& fileType);
