#include "ui/ConsoleText.h"

#include <QStringDecoder>

#include <windows.h>

namespace {

// cmd and most console programs write the console's code page, the OEM one of a console
// made for the program (not the ANSI one Qt takes for local text).
UINT ConsoleCodePage()
{
    const UINT attached = GetConsoleOutputCP();
    return attached != 0 ? attached : GetOEMCP();
}

}

QString FromConsoleOutput(QByteArrayView output)
{
    // Programs that write UTF-8 whatever the console (ours among them) are read as such: text
    // of a single-byte code page with letters beyond ASCII is hardly ever valid UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(output);
    if (!utf8.hasError())
        return text;
    if (output.isEmpty())
        return {};
    const UINT codePage = ConsoleCodePage();
    const int size = static_cast<int>(output.size());
    const int length = MultiByteToWideChar(codePage, 0, output.data(), size, nullptr, 0);
    if (length <= 0)
        return text;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, output.data(), size, wide.data(), length);
    return QString::fromStdWString(wide);
}
