#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
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
// runs it; "%f" stands for the file, written as the system writes paths, which is added at
// the end when the command names no place for it. Without a command the desktop's program
// opens the file, unless the desktop takes such files for fonts: a font viewer would only
// show garbage.
SCompileLaunch PlanCompileLaunch(const QString& command, const QString& path, const QMimeType& fileType);

// True for the types the desktop gives fonts, such as the bitmap fonts sharing the parts
// file's extension.
bool IsFontType(const QMimeType& fileType);

// One run of a program on a finished parts file. What it writes (standard output and error
// together) is kept as far as its last lines need; its end is told with its exit status.
class CCompileRun : public QObject {
    Q_OBJECT
public:
    // A desktop run opens the file with the desktop's program; its status says only whether
    // the desktop found one.
    CCompileRun(QString program, QString file, bool desktop, QObject* parent = nullptr);
    // A program still running is ended, and its end is told to nobody.
    ~CCompileRun() override;

    QProcess& Process() { return m_process; }
    const QString& Program() const { return m_program; }
    const QString& File() const { return m_file; }
    bool IsDesktop() const { return m_desktop; }
    // The last lines the program wrote, at most count of them.
    QStringList LastLines(int count) const;

signals:
    void ended(int exitCode, bool crashed);
    void failedToStart(const QString& error);

private:
    void KeepOutput();

    QProcess m_process;
    QString m_program;
    QString m_file;
    bool m_desktop;
    QByteArray m_tail;
    bool m_tailCut = false;
};
