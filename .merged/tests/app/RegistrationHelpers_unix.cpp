#include "RegistrationHelpers.h"

#include <QDir>
#include <QFileInfo>

QString StartUpRegistrationFault(const QString& dataHome)
{
    for (const char* file : {"applications/modelwright.desktop", "mime/packages/modelwright.xml"})
        if (!QFileInfo::exists(QDir(dataHome).filePath(QString::fromLatin1(file))))
            return QStringLiteral("the start did not write %1").arg(QString::fromLatin1(file));
    return QString();
}
