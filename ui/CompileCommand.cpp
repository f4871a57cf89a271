#include "ui/CompileCommand.h"

#include "ui/ConsoleText.h"

#include <QCoreApplication>
#include <QDir>
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
    // Windows' programs read a word that starts with a slash as a switch.
    const QString file = QDir::toNativeSeparators(path);
    bool fileNamed = false;
    for (QString& word : words) {
        if (word.contains(QLatin1String("%f"))) {
            word.replace(QLatin1String("%f"), file);
            fileNamed = true;
        }
    }
    if (!fileNamed)
        words << file;
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
    QByteArrayView output(m_tail);
    // The first line of a cut output is only the end of a line, perhaps of a character too.
    if (m_tailCut)
        output = output.sliced(std::min(output.size(), output.indexOf('\n') + 1));
    QStringList lines = FromConsoleOutput(output).split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines.mid(std::max<qsizetype>(0, lines.size() - count));
}
