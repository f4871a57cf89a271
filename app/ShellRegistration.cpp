#include "app/ShellRegistration.h"

#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <string_view>

#ifdef _WIN32
#include <QSettings>

#include <utility>
#endif

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

#ifdef _WIN32
bool RegisterWithRegistry(const QString& programPath)
{
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    const QString program = '"' + QDir::toNativeSeparators(programPath) + '"';
    const QString typeId = CModelwrightDoc::kFileTypeId;
    const std::pair<QString, QString> entries[] = {
        {QString(CModelwrightDoc::kFileExtension) + "/.", typeId},
        {typeId + "/.", QString(CModelwrightDoc::kFileTypeName)},
        {typeId + "/DefaultIcon/.", program + ",0"},
        {typeId + "/shell/open/command/.", program + " \"%1\""},
        {typeId + "/shell/print/command/.", program + " /p \"%1\""},
    };
    bool changed = false;
    for (const auto& [key, value] : entries) {
        if (classes.value(key).toString() != value) {
            classes.setValue(key, value);
            changed = true;
        }
    }
    return changed;
}
#endif

}

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
    return QString::fromUtf8(ReadWholeFile(QStringLiteral(":/app/modelwright.xml")));
}

bool CShellRegistration::IsInstalledProgram(const QString& programPath)
{
    const QDir prefix(QFileInfo(programPath).absolutePath() + QStringLiteral("/.."));
    return QFileInfo::exists(prefix.filePath(QStringLiteral("share/applications/")) + kDesktopFileName);
}

bool CShellRegistration::RegisterShellFileTypes(const QString& programPath, const QString& dataHome)
{
#ifdef _WIN32
    Q_UNUSED(dataHome);
    return RegisterWithRegistry(programPath);
#else
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
#endif
}

bool CShellRegistration::UnregisterShellFileTypes(const QString& dataHome)
{
#ifdef _WIN32
    Q_UNUSED(dataHome);
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    const bool present = classes.contains(QString(CModelwrightDoc::kFileExtension) + "/.");
    classes.remove(QString(CModelwrightDoc::kFileExtension));
    classes.remove(QString(CModelwrightDoc::kFileTypeId));
    return present;
#else
    const bool desktopRemoved = QFile::remove(DesktopPath(dataHome));
    const bool mimeRemoved = QFile::remove(MimePackagePath(dataHome));
    const bool iconRemoved = QFile::remove(IconPath(dataHome));
    if (mimeRemoved)
        RunToolIfPresent(QStringLiteral("update-mime-database"), dataHome + "/mime");
    return desktopRemoved || mimeRemoved || iconRemoved;
#endif
}
