#include "app/ShellRegistration.h"

#include "model/ModelwrightDoc.h"

#include <QDir>
#include <QSettings>

#include <utility>

// The file type lives in the user's part of the registry's classes. The installer writes the
// same entries (and removes them again); /Register and /Unregister do it by hand.
namespace {

const QString kUserClasses = QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes");

}

bool CShellRegistration::RegistersAtStartUp(const QString&)
{
    return false;
}

bool CShellRegistration::RegisterShellFileTypes(const QString& programPath, const QString&)
{
    QSettings classes(kUserClasses, QSettings::NativeFormat);
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

bool CShellRegistration::UnregisterShellFileTypes(const QString&)
{
    QSettings classes(kUserClasses, QSettings::NativeFormat);
    const bool present = classes.contains(QString(CModelwrightDoc::kFileExtension) + "/.");
    classes.remove(QString(CModelwrightDoc::kFileExtension));
    classes.remove(QString(CModelwrightDoc::kFileTypeId));
    return present;
}
