#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// The hand-over channel of one program run in a test. On Unix it is a socket file, so it lies
// in the test's own folder, which goes with everything in it, even when the run is killed;
// Windows' pipes leave no file.
inline QString TestChannelName(const QString& folder, int run)
{
    const QString name = QStringLiteral("channel-%1-%2").arg(QCoreApplication::applicationPid()).arg(run);
#ifdef Q_OS_UNIX
    return QDir(folder).filePath(name);
#else
    return QStringLiteral("modelwright-test-") + name;
#endif
}
