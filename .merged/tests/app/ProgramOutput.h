#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>

// A program's output with its lines ended by "\n" alone: on Windows the C runtime ends them
// with "\r\n".
inline QString WithNewlineEnds(QString output)
{
    return output.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The next whole line a program writes to its standard output, trimmed; empty when none comes
// in time. On Windows a QProcess wakes for standard error too, and a wake is not yet a line.
inline QString NextOutputLine(QProcess& program, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!program.canReadLine())
        if (deadline.hasExpired() || !program.waitForReadyRead(int(deadline.remainingTime())))
            return QString();
    return QString::fromLatin1(program.readLine()).trimmed();
}
