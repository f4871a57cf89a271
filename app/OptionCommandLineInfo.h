#pragma once

#include <QString>
#include <QStringList>

#include <map>

// The command line: a document file to open (or print), the switches of the program, and
// any option with its value ("nologo" hides the splash window). An option starts with "-" or
// "/"; option names are case-sensitive where the program asks for them.
class COptionCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FilePdf, FileDDE, AppRegister, AppUnregister, ShowUsage, ShowVersion };

    // What --help prints: the program's command line.
    static const char* UsageText();

    static COptionCommandLineInfo Parse(const QStringList& arguments);

    void ParseParam(const QString& parameter, bool isOption, bool isLast);
    // True when an option of exactly that name was given; its value is the parameter that
    // followed it, or "TRUE".
    bool HasOption(const QString& name, QString* pValue = nullptr) const;

    ShellCommand m_nShellCommand = FileNew;
    QString m_strFileName;
    QString m_strPrinterName;
    // Where /pdf writes the catalogue sheet, and the /scale it is given ("1:87"; empty for none).
    QString m_strPdfName;
    QString m_strModelScale;
    bool m_bShowSplash = true;
    // Off for a start by the desktop to hand over files, which shows no splash.
    bool m_bUserControl = true;

private:
    void ParseSwitch(const QString& name);
    void ParsePlain(const QString& parameter);

    std::map<QString, QString> m_options;
    QString m_pendingOption;
    int m_printToArgumentsLeft = 0;
    bool m_pdfNameLeft = false;
};
