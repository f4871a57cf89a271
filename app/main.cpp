#include "app/CallersConsole.h"
#include "app/ModelwrightApp.h"
#include "app/OptionCommandLineInfo.h"

#include <QApplication>

#include <cstdio>

namespace {

// --help and --version answer on standard output without a window or a display.
bool AnswerInformationRequest(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    switch (COptionCommandLineInfo::Parse(arguments).m_nShellCommand) {
    case COptionCommandLineInfo::ShowUsage:
        UseCallersConsole();
        std::fputs(COptionCommandLineInfo::UsageText(), stdout);
        return true;
    case COptionCommandLineInfo::ShowVersion:
        UseCallersConsole();
        std::fputs("modelwright " MW_VERSION "\n", stdout);
        return true;
    default:
        return false;
    }
}

// A PDF written from the command line needs no display: it is drawn on a screen nobody sees.
void DrawPdfRunsOffscreen(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    if (COptionCommandLineInfo::Parse(arguments).m_nShellCommand == COptionCommandLineInfo::FilePdf) {
        UseCallersConsole();
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

}

int main(int argc, char* argv[])
{
    if (AnswerInformationRequest(argc, argv))
        return 0;
    DrawPdfRunsOffscreen(argc, argv);
    QApplication application(argc, argv);
    CModelwrightApp theApp;
    if (theApp.InitInstance(QApplication::arguments().mid(1)))
        application.exec();
    return theApp.ExitInstance();
}
