#include "app/OptionCommandLineInfo.h"

#include <QFileInfo>

#include <utility>

namespace {

// On this system absolute file names start with "/" too: such an argument is a file when it
// names one or holds a further separator, and an option only when it is a bare word.
bool IsOption(const QString& argument)
{
    if (argument.size() < 2)
        return false;
    if (argument.front() == '-')
        return true;
    if (argument.front() != '/')
        return false;
#ifdef _WIN32
    return true;
#else
    return !argument.mid(1).contains('/') && !QFileInfo::exists(argument);
#endif
}

}

const char* COptionCommandLineInfo::UsageText()
{
    return "Usage: modelwright [OPTION...] [FILE.wo3]\n"
           "Builds trees, buildings and station platforms for a parts catalogue.\n"
           "\n"
           "  FILE.wo3            open the catalogue (a running program takes it over)\n"
           "  /p FILE.wo3         print the catalogue on the default printer and quit\n"
           "  /pt FILE PRINTER    print the catalogue on the printer and quit\n"
           "  /pdf FILE OUT.pdf   write the catalogue sheet as a PDF file and quit, without a display\n"
           "  /scale 1:87         with /pdf: add the real sizes at that model scale\n"
           "  /nologo             start without the splash window\n"
           "  /Register           register the file type for this user and quit\n"
           "  /Unregister         remove that registration and quit\n"
           "  --help              print this text and quit\n"
           "  --version           print the program's version and quit\n"
           "\n"
           "Switches may start with \"/\" or \"-\".\n";
}

COptionCommandLineInfo COptionCommandLineInfo::Parse(const QStringList& arguments)
{
    COptionCommandLineInfo info;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool isOption = IsOption(argument);
        info.ParseParam(isOption ? argument.mid(1) : argument, isOption, i + 1 == arguments.size());
    }
    return info;
}

void COptionCommandLineInfo::ParseParam(const QString& parameter, bool isOption, bool isLast)
{
    if (isOption) {
        m_options[parameter] = QStringLiteral("TRUE");
        m_pendingOption = parameter;
        ParseSwitch(parameter);
        return;
    }
    if (!m_pendingOption.isEmpty()) {
        m_options[m_pendingOption] = parameter;
        // The scale is the switch's value, never a file.
        if (std::exchange(m_pendingOption, QString()).compare(QLatin1String("scale"), Qt::CaseInsensitive) == 0) {
            m_strModelScale = parameter;
            return;
        }
    }
    ParsePlain(parameter);
}

bool COptionCommandLineInfo::HasOption(const QString& name, QString* pValue) const
{
    const auto found = m_options.find(name);
    if (pValue)
        *pValue = found == m_options.end() ? QString() : found->second;
    return found != m_options.end();
}

void COptionCommandLineInfo::ParseSwitch(const QString& name)
{
    const auto is = [&name](const char* word) { return name.compare(QLatin1String(word), Qt::CaseInsensitive) == 0; };
    // Long options arrive here with one of their two dashes.
    if (is("-help") || is("h") || is("?")) {
        m_nShellCommand = ShowUsage;
        m_bShowSplash = false;
    } else if (is("-version")) {
        m_nShellCommand = ShowVersion;
        m_bShowSplash = false;
    } else if (m_nShellCommand == ShowUsage || m_nShellCommand == ShowVersion) {
        // A request for the usage or the version wins over every other switch.
    } else if (is("p")) {
        m_nShellCommand = FilePrint;
    } else if (is("pt")) {
        m_nShellCommand = FilePrintTo;
        m_printToArgumentsLeft = 2;
    } else if (is("pdf")) {
        m_nShellCommand = FilePdf;
        m_bShowSplash = false;
        m_pdfNameLeft = true;
    } else if (is("dde")) {
        m_nShellCommand = FileDDE;
        m_bShowSplash = false;
        m_bUserControl = false;
    } else if (is("Embedding") || is("Automation")) {
        m_bShowSplash = false;
    } else if (is("Register") || is("Regserver")) {
        m_nShellCommand = AppRegister;
    } else if (is("Unregister") || is("Unregserver")) {
        m_nShellCommand = AppUnregister;
    }
}

void COptionCommandLineInfo::ParsePlain(const QString& parameter)
{
    if (m_strFileName.isEmpty()) {
        m_strFileName = parameter;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
    } else if (std::exchange(m_pdfNameLeft, false)) {
        m_strPdfName = parameter;
    } else if (m_printToArgumentsLeft == 2) {
        m_strPrinterName = parameter;
        --m_printToArgumentsLeft;
    } else if (m_printToArgumentsLeft > 0) {
        --m_printToArgumentsLeft;
    }
}
