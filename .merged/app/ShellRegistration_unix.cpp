#include "app/ShellRegistration.h"

#include "model/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>
#include <string_view>

// The desktop learns of the program from files in the user's data folder: a desktop entry,
// a MIME package and an icon.
namespace {

constexpr int kToolTimeout = 10000;

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file only when its content differs; returns true when it wrote.
bool WriteIfChanged(const QString& path, const QByteArray& content)
{
    if (QFileInfo::exists(path) && ReadWholeFile(path) == content)
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        WriteFileAtomically(std::filesystem::path(path.toStdU16String()),
            std::string_view(content.constData(), static_cast<size_t>(content.size())));
    } catch (const std::exception&) {
        // A data folder the user cannot write only costs the desktop integration.
        return false;
    }
    return true;
}

// Runs only after a change, so mostly at the first start; its notes are of no use to the user.
void RunToolIfPresent(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {folder});
    process.waitForFinished(kToolTimeout);
}

QString DesktopPath(const QString& dataHome)
{
    return dataHome + "/applications/" + CShellRegistration::kDesktopFileName;
}

QString MimePackagePath(const QString& dataHome)
{
    return dataHome + "/mime/packages/" + CShellRegistration::kMimePackageName;
}

QString IconPath(const QString& dataHome)
{
    return dataHome + "/icons/hicolor/64x64/apps/" + CShellRegistration::kIconName + ".png";
}

}

bool CShellRegistration::RegistersAtStartUp(const QString& programPath)
{
    return !IsInstalledProgram(programPath);
}

bool CShellRegistration::RegisterShellFileTypes(const QString& programPath, const QString& dataHome)
{
    if (dataHome.isEmpty())
        return false;
    const bool iconChanged = WriteIfChanged(IconPath(dataHome), ReadWholeFile(QStringLiteral(":/app/modelwright.png")));
    const bool desktopChanged = WriteIfChanged(DesktopPath(dataHome), DesktopEntry(programPath).toUtf8());
    const bool mimeChanged = WriteIfChanged(MimePackagePath(dataHome), MimePackage().toUtf8());
    if (mimeChanged)
        RunToolIfPresent(QStringLiteral("update-mime-database"), dataHome + "/mime");
    if (desktopChanged)
        RunToolIfPresent(QStringLiteral("update-desktop-database"), dataHome + "/applications");
    return iconChanged || desktopChanged || mimeChanged;
}

bool CShellRegistration::UnregisterShellFileTypes(const QString& dataHome)
{
    const bool desktopRemoved = QFile::remove(DesktopPath(dataHome));
    const bool mimeRemoved = QFile::remove(MimePackagePath(dataHome));
    const bool iconRemoved = QFile::remove(IconPath(dataHome));
    if (mimeRemoved)
        RunToolIfPresent(QStringLiteral("update-mime-database"), dataHome + "/mime");
    return desktopRemoved || mimeRemoved || iconRemoved;
}
