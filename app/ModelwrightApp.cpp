#include "app/ModelwrightApp.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/OptionCommandLineInfo.h"
#include "app/QtSettingsStore.h"
#include "app/ShellRegistration.h"
#include "app/SplashWnd.h"
#include "app/VersionInfo.h"
#include "settings/ProgramOptions.h"
#include "model/ModelwrightDoc.h"

#include <QApplication>
#include <QScreen>

namespace {

CModelwrightApp* s_pInstance = nullptr;

constexpr const char* kApplicationTitle = "Modelwright";

}

CModelwrightApp::CModelwrightApp()
    : CModelwrightApp(Setup())
{
}

CModelwrightApp::CModelwrightApp(Setup setup)
    : m_setup(std::move(setup))
    , m_languages(m_setup.translationFolders)
    , m_help(CHelpBooks(m_setup.helpFolders))
    , m_channel(m_setup.channelName)
{
    s_pInstance = this;
    connect(&m_channel, &CInstanceChannel::fileReceived, this, &CModelwrightApp::OpenHandedOverFile);
}

CModelwrightApp::~CModelwrightApp()
{
    m_pMainFrame.reset();
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

CModelwrightApp* CModelwrightApp::Instance()
{
    return s_pInstance;
}

bool CModelwrightApp::InitInstance(const QStringList& arguments)
{
    const COptionCommandLineInfo commandLine = COptionCommandLineInfo::Parse(arguments);
    if (commandLine.m_nShellCommand == COptionCommandLineInfo::FileOpen && m_channel.HandOver(commandLine.m_strFileName))
        return false;

    ReadVersionData();
    OpenSettings();
    LoadProgramOptions();
    LoadLanguageDll(m_pOptions->m_language);
    m_help.SelectHelpFile(m_pOptions->m_language);
    StartSplash(commandLine);
    CreateMainFrame();
    RegisterShellFileTypes();
    m_channel.Listen();
    if (!ProcessShellCommand(commandLine))
        return false;
    ShowMainWindow();
    return true;
}

void CModelwrightApp::ReadVersionData()
{
    m_pVersionInfo = std::make_unique<CVersionInfo>();
    m_pVersionInfo->SetTranslation(QString::fromLatin1(CVersionInfo::kEnglishUnicode));
    m_pVersionInfo->GetStringValue(QStringLiteral("CompanyName"), m_companyName);
    QCoreApplication::setOrganizationName(m_companyName);
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
}

void CModelwrightApp::OpenSettings()
{
    if (!m_setup.pSettings)
        m_setup.pSettings = std::make_unique<CQtSettingsStore>();
}

void CModelwrightApp::LoadProgramOptions()
{
    m_pOptions = std::make_unique<CProgramOptions>(LoadOptions(*m_setup.pSettings));
}

int CModelwrightApp::LoadLanguageDll(int languageId)
{
    return m_languages.LoadLanguageDll(languageId);
}

int CModelwrightApp::ApplyLanguageOption()
{
    if (!m_pOptions || m_pOptions->m_language == m_languages.CurrentLanguage())
        return -1;
    return LoadLanguageDll(m_pOptions->m_language);
}

void CModelwrightApp::StartSplash(const COptionCommandLineInfo& commandLine)
{
    const QString picture = m_setup.splashPicture.isEmpty() ? QString::fromLatin1(CSplashWnd::kSplashPicture)
                                                            : m_setup.splashPicture;
    m_pSplash = CSplashWnd::Start(commandLine, picture, m_setup.splashTimeout, CSplashWnd::SPLASH_CLOSE_ON_INPUT,
        [this]() -> QWidget* { return m_pMainFrame.get(); });
}

void CModelwrightApp::CreateMainFrame()
{
    m_pDocument = std::make_unique<CModelwrightDoc>();
    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDocument, *m_pOptions);
    m_pMainFrame->setWindowIcon(QIcon(QStringLiteral(":/app/modelwright.png")));
    connect(m_pMainFrame.get(), &CMainFrame::helpRequested, this, &CModelwrightApp::WinHelp);
    connect(m_pMainFrame.get(), &CMainFrame::aboutRequested, this, &CModelwrightApp::OnAppAbout);
    connect(m_pMainFrame.get(), &CMainFrame::optionsChanged, this, &CModelwrightApp::ApplyLanguageOption);
}

void CModelwrightApp::RegisterShellFileTypes()
{
    const QString dataHome = m_setup.dataHome.isEmpty() ? CShellRegistration::DefaultDataHome() : m_setup.dataHome;
    CShellRegistration::RegisterShellFileTypes(QCoreApplication::applicationFilePath(), dataHome);
}

bool CModelwrightApp::ProcessShellCommand(const COptionCommandLineInfo& commandLine)
{
    switch (commandLine.m_nShellCommand) {
    case COptionCommandLineInfo::FileNew:
    case COptionCommandLineInfo::FileDDE:
        return true;
    case COptionCommandLineInfo::FileOpen:
        if (m_pMainFrame->OpenDocumentFile(commandLine.m_strFileName))
            return true;
        m_exitCode = 1;
        return false;
    case COptionCommandLineInfo::FilePrint:
    case COptionCommandLineInfo::FilePrintTo:
        m_exitCode = m_pMainFrame->PrintDocumentFile(commandLine.m_strFileName, commandLine.m_strPrinterName) ? 0 : 1;
        return false;
    case COptionCommandLineInfo::AppRegister:
        return false;
    case COptionCommandLineInfo::AppUnregister:
        CShellRegistration::UnregisterShellFileTypes(
            m_setup.dataHome.isEmpty() ? CShellRegistration::DefaultDataHome() : m_setup.dataHome);
        return false;
    }
    return true;
}

void CModelwrightApp::ShowMainWindow()
{
    // Without a window manager nobody maximizes the window; it still covers the screen.
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        m_pMainFrame->setGeometry(pScreen->availableGeometry());
    m_pMainFrame->showMaximized();
    if (m_pSplash)
        m_pSplash->raise();
    else
        m_pMainFrame->raise();
}

int CModelwrightApp::ExitInstance()
{
    if (m_pOptions)
        SaveOptions(*m_pOptions, *m_setup.pSettings);
    return m_exitCode;
}

void CModelwrightApp::WinHelp(const QString& topic)
{
    m_help.WinHelp(m_pOptions ? m_pOptions->m_language : CProgramOptions::kDefaultLanguage,
        topic.isEmpty() ? TopicOfActiveDialog() : topic);
}

QString CModelwrightApp::TopicOfActiveDialog()
{
    // A dialog without a name of its own is known by its class: CTreeDlg has topic TreeDlg.
    const QWidget* pDialog = QApplication::activeModalWidget();
    if (!pDialog)
        return QString();
    if (!pDialog->objectName().isEmpty())
        return pDialog->objectName();
    const QString className = QString::fromLatin1(pDialog->metaObject()->className());
    return className.startsWith('C') ? className.mid(1) : className;
}

void CModelwrightApp::OnAppAbout()
{
    CAboutDlg dialog(*m_pVersionInfo, m_pMainFrame.get());
    dialog.exec();
}

void CModelwrightApp::OpenHandedOverFile(const QString& path)
{
    if (!m_pMainFrame)
        return;
    m_pMainFrame->showMaximized();
    m_pMainFrame->raise();
    m_pMainFrame->activateWindow();
    m_pMainFrame->OpenDocumentFileWhenFree(path);
}
