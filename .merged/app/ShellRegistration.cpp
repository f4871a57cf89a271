#include "app/ShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

QString CShellRegistration::DefaultDataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString CShellRegistration::QuoteExecArgument(const QString& argument)
{
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`%=");
    QString escaped = argument;
    escaped.replace('%', QStringLiteral("%%"));
    if (std::none_of(argument.begin(), argument.end(), [](QChar c) { return kReserved.contains(c); }))
        return escaped;
    QString quoted;
    for (QChar c : escaped) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    // The key file format reads a backslash as an escape once more.
    quoted.replace('\\', QStringLiteral("\\\\"));
    return '"' + quoted + '"';
}

QString CShellRegistration::DesktopEntry(const QString& programPath)
{
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Modelwright\n"
               "GenericName=Winrail object designer\n"
               "Comment=Build trees, buildings and platforms for Winrail catalogues\n"
               "Exec=%1 %f\n"
               "Icon=%2\n"
               "Terminal=false\n"
               "Categories=Graphics;3DGraphics;\n"
               "MimeType=%3;\n"
               "Actions=Print;\n"
               "\n"
               "[Desktop Action Print]\n"
               "Name=Print\n"
               "Exec=%1 -p %f\n")
        .arg(QuoteExecArgument(programPath), QString(kIconName), QString(kMimeType));
}

QString CShellRegistration::MimePackage()
{
    // The same file the installation puts in the system's MIME folder.
    QFile file(QStringLiteral(":/app/modelwright.xml"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool CShellRegistration::IsInstalledProgram(const QString& programPath)
{
    const QDir prefix(QFileInfo(programPath).absolutePath() + QStringLiteral("/.."));
    return QFileInfo::exists(prefix.filePath(QStringLiteral("share/applications/")) + kDesktopFileName);
}
