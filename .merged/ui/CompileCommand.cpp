#include "ui/CompileCommand.h"

#include <QCoreApplication>
#include <QMimeType>
#include <QProcess>

namespace {

// Enough of a program's output for its last lines, however much it writes.
constexpr qsizetype kKeptOutput = 16 * 1024;

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

CCompileRun::CCompileRun(QString program, QString file, bool desktop, QObject* parent)
    : QObject(parent)
    , m_program(std::move(program))
    , m_file(std::move(file))
    , m_desktop(desktop)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::readyRead, this, &CCompileRun::KeepOutput);
    connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        KeepOutput();
        emit ended(exitCode, status == QProcess::CrashExit);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit failedToStart(m_process.errorString());
    });
}

CCompileRun::~CCompileRun()
{
    // Whoever listens may be going away itself, as the window does when it closes.
    m_process.disconnect();
}

void CCompileRun::KeepOutput()
{
    m_tail += m_process.readAll();
    if (m_tail.size() > kKeptOutput) {
        m_tail.remove(0, m_tail.size() - kKeptOutput);
        m_tailCut = true;
    }
}

QStringList CCompileRun::LastLines(int count) const
{
    QStringList lines = QString::fromLocal8Bit(m_tail).split(u'\n');
    // The first line of a cut output is only the end of a line.
    if (m_tailCut && !lines.isEmpty())
        lines.removeFirst();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines.mid(std::max<qsizetype>(0, lines.size() - count));
}
