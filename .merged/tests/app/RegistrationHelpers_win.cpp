#include "RegistrationHelpers.h"

#include "model/ModelwrightDoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

QString StartUpRegistrationFault(const QString&)
{
    // An installed Modelwright may own the file type; this program must not.
    const QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    const QString command = classes.value(QString(CModelwrightDoc::kFileTypeId) + "/shell/open/command/.").toString();
    if (command.contains(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), Qt::CaseInsensitive))
        return QStringLiteral("the start registered the file type: ") + command;
    return QString();
}
