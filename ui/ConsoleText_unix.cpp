#include "ui/ConsoleText.h"

QString FromConsoleOutput(QByteArrayView output)
{
    return QString::fromLocal8Bit(output);
}
