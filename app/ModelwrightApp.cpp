#include "app/ModelwrightApp.h"

#include "app/AboutDlg.h"
#include "app/Autosaver.h"
#include "app/MainFrame.h"
#include "app/OpenDocumentLocks.h"
#include "app/OptionCommandLineInfo.h"
#include "app/QuitRequests.h"
#include "app/QtSettingsStore.h"
#include "app/RecoveryFiles.h"
#include "app/ShellRegistration.h"
#include "app/SplashWnd.h"
#include "app/VersionInfo.h"
#include "settings/ProgramOptions.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "ui/ErrorMessages.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QPrinter>
#include <QScreen>

#include <utility>

namespace {

CModelwrightApp* s_pInstance = nullptr;

constexpr const char* kApplicationTitle = "Modelwright";

// A name of this copy's own beside the channel's: the process and, for tests that run several
// applications in one process, a count.
QString OwnChannelName(const QString& channelName)
{
    static int copies = 0;
    if (channelName.isEmpty())
        return {};
    return channelName + QStringLiteral("-%1-%2").arg(QCoreApplication::applicationPid()).arg(++copies);
}

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
    , m_ownChannel(OwnChannelName(m_setup.channelName))
{
    s_pInstance = this;
    connect(&m_channel, &CInstanceChannel::fileReceived, this, &CModelwrightApp::OpenHandedOverFile);
    connect(&m_ownChannel, &CInstanceChannel::fileReceived, this, &CModelwrightApp::OpenHandedOverFile);
}

CModelwrightApp::~CModelwrightApp()
{
    StopFollowingQuitRequests();
    m_pMainFrame.reset();
    m_pOpenDocuments.reset();
    // A normal end: the changes were saved or the user let them go.
    m_pAutosaver.reset();
    m_pRecovery.reset();
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
    // The program's main answers these before a window can exist.
    if (commandLine.m_nShellCommand == COptionCommandLineInfo::ShowUsage
        || commandLine.m_nShellCommand == COptionCommandLineInfo::ShowVersion)
        return false;
    if (commandLine.m_nShellCommand == COptionCommandLineInfo::FileOpen && m_channel.HandOver(commandLine.m_strFileName))
        return false;

    FollowQuitRequests([this] { QMetaObject::invokeMethod(this, &CModelwrightApp::QuitOnRequest, Qt::QueuedConnection); });
    ReadVersionData();
    OpenSettings();
    LoadProgramOptions();
    LoadLanguageDll(m_pOptions->m_language);
    m_help.SelectHelpFile(m_pOptions->m_language);
    StartSplash(commandLine);
    CreateMainFrame();
    RegisterShellFileTypes();
    m_channel.Listen();
    HoldOpenDocuments();
    if (!ProcessShellCommand(commandLine))
        return false;
    ShowMainWindow();
    StartAutosave();
    OfferRecovery();
    // Asked to end while starting: the question of a recovery, say, was open.
    return !m_quitRequested;
}

void CModelwrightApp::QuitOnRequest()
{
    if (std::exchange(m_quitRequested, true))
        return;
    // Not quit(), which closes the windows and so asks about unsaved changes.
    QCoreApplication::exit(0);
}

void CModelwrightApp::KeepStateAtRequestedEnd()
{
    if (!m_pMainFrame)
        return;
    m_pMainFrame->SaveWindowLayout();
    if (!m_pAutosaver || !m_pDocument->IsModified())
        return;
    // The latest changes, where the user wants changes kept at all.
    if (m_pOptions->m_autosaveMinutes > 0)
        m_pAutosaver->KeepNow();
    m_pRecovery->KeepAtEnd();
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
    const int loaded = LoadLanguageDll(m_pOptions->m_language);
    m_help.FollowLanguage(m_pOptions->m_language);
    return loaded;
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
    m_pMainFrame->setWindowIcon(QIcon(QStringLiteral(":/app/modelwright.svg")));
    connect(m_pMainFrame.get(), &CMainFrame::helpRequested, this, &CModelwrightApp::WinHelp);
    connect(m_pMainFrame.get(), &CMainFrame::aboutRequested, this, &CModelwrightApp::OnAppAbout);
    connect(m_pMainFrame.get(), &CMainFrame::optionsChanged, this, &CModelwrightApp::ApplyLanguageOption);
    // Options taken with OK are kept at once: a run that ends abruptly must not lose them.
    connect(m_pMainFrame.get(), &CMainFrame::optionsChanged, this,
        [this] { SaveOptions(*m_pOptions, *m_setup.pSettings); });
}

void CModelwrightApp::HoldOpenDocuments()
{
    QString folder = m_setup.openDocumentsFolder;
    if (folder.isEmpty())
        folder = m_setup.dataHome.isEmpty() ? COpenDocumentLocks::DefaultFolder() : m_setup.dataHome + QStringLiteral("/modelwright/open");
    const bool heard = m_ownChannel.Listen();
    m_pOpenDocuments = std::make_unique<COpenDocumentLocks>(folder, heard ? m_ownChannel.Name() : QString());
    m_pMainFrame->SetOpenDocumentLocks(m_pOpenDocuments.get());
}

void CModelwrightApp::RegisterShellFileTypes()
{
    if (!CShellRegistration::RegistersAtStartUp(QCoreApplication::applicationFilePath()))
        return;
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
        // Shown in the window that has it open, the file needs this one no more.
        m_exitCode = m_pMainFrame->DocumentShownElsewhere() ? 0 : 1;
        return false;
    case COptionCommandLineInfo::FilePrint:
    case COptionCommandLineInfo::FilePrintTo:
        // A print run edits nothing and ends at once: a file open in a window prints too.
        m_pMainFrame->SetOpenDocumentLocks(nullptr);
        m_exitCode = m_pMainFrame->PrintDocumentFile(commandLine.m_strFileName, commandLine.m_strPrinterName) ? 0 : 1;
        return false;
    case COptionCommandLineInfo::FilePdf:
        // Like a print run: it edits nothing, asks nothing, and takes a file open in a window too.
        m_pMainFrame->SetOpenDocumentLocks(nullptr);
        m_exitCode = m_pMainFrame->WritePdfOfFile(commandLine.m_strFileName, commandLine.m_strPdfName, commandLine.m_strModelScale) ? 0 : 1;
        return false;
    case COptionCommandLineInfo::AppRegister:
    case COptionCommandLineInfo::ShowUsage:
    case COptionCommandLineInfo::ShowVersion:
        return false;
    case COptionCommandLineInfo::AppUnregister:
        CShellRegistration::UnregisterShellFileTypes(
            m_setup.dataHome.isEmpty() ? CShellRegistration::DefaultDataHome() : m_setup.dataHome);
        return false;
    }
    return true;
}

void CModelwrightApp::StartAutosave()
{
    // A data folder of the caller's own keeps its recovery files too.
    QString folder = m_setup.recoveryFolder;
    if (folder.isEmpty())
        folder = m_setup.dataHome.isEmpty() ? CRecoveryFiles::DefaultFolder() : m_setup.dataHome + QStringLiteral("/modelwright/recovery");
    m_pRecovery = std::make_unique<CRecoveryFiles>(folder);
    m_pAutosaver = std::make_unique<CAutosaver>(*m_pDocument, *m_pRecovery);
    // A dialog changes parts in place until it ends.
    m_pAutosaver->SetHeld([] { return QApplication::activeModalWidget() != nullptr; });
    m_pAutosaver->SetInterval(m_pOptions->m_autosaveMinutes);
    connect(m_pMainFrame.get(), &CMainFrame::optionsChanged, m_pAutosaver.get(),
        [this] { m_pAutosaver->SetInterval(m_pOptions->m_autosaveMinutes); });
    connect(m_pMainFrame.get(), &CMainFrame::modifiedChanged, m_pAutosaver.get(), [this](bool modified) {
        if (!modified)
            m_pAutosaver->DocumentSaved();
    });
}

void CModelwrightApp::OfferRecovery()
{
    if (!m_pRecovery || !m_pMainFrame)
        return;
    for (const CRecoveryFiles::SEntry& entry : m_pRecovery->Orphans()) {
        const QString name = entry.documentPath.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(entry.documentPath);
        switch (m_setup.askRecovery ? m_setup.askRecovery(name, entry.written) : AskRecovery(name, entry.written)) {
        case ERecoveryAnswer::recover:
            try {
                m_pMainFrame->RecoverDocument(CRecoveryFiles::ReadDocumentBytes(entry.filePath), entry.documentPath);
            } catch (const CException& error) {
                m_pRecovery->Release(entry);
                QMessageBox::warning(m_pMainFrame.get(), tr("Winrail Modelwright"), ErrorText(error));
                continue;
            }
            m_pRecovery->TakeOver(entry);
            // The others stay for a later start.
            for (const CRecoveryFiles::SEntry& other : m_pRecovery->Orphans())
                m_pRecovery->Release(other);
            return;
        case ERecoveryAnswer::discard:
            m_pRecovery->Discard(entry);
            break;
        case ERecoveryAnswer::later:
            m_pRecovery->Release(entry);
            break;
        }
    }
}

CModelwrightApp::ERecoveryAnswer CModelwrightApp::AskRecovery(const QString& file, const QDateTime& time)
{
    QMessageBox box(QMessageBox::Question, tr("Winrail Modelwright"),
        tr("Recover the unsaved changes of %1 from %2?").arg(file, QLocale().toString(time.toLocalTime(), QLocale::ShortFormat)),
        QMessageBox::NoButton, m_pMainFrame.get());
    box.setObjectName("RecoveryQuestion");
    QPushButton* recover = box.addButton(tr("&Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    box.addButton(tr("&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.exec();
    if (box.clickedButton() == recover)
        return ERecoveryAnswer::recover;
    if (box.clickedButton() == discard)
        return ERecoveryAnswer::discard;
    return ERecoveryAnswer::later;
}

void CModelwrightApp::ShowMainWindow()
{
    if (m_pMainFrame->RestoreWindowLayout()) {
        m_pMainFrame->show();
    } else {
        // Without a window manager nobody maximizes the window; it still covers the screen.
        if (const QScreen* pScreen = QGuiApplication::primaryScreen())
            m_pMainFrame->setGeometry(pScreen->availableGeometry());
        m_pMainFrame->showMaximized();
    }
    if (m_pSplash)
        m_pSplash->raise();
    else
        m_pMainFrame->raise();
}

int CModelwrightApp::ExitInstance()
{
    if (m_quitRequested)
        KeepStateAtRequestedEnd();
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
    // The file shown already: brought forward as it is, with its unsaved changes.
    const QString shown = QString::fromStdString(PathToUtf8(m_pMainFrame->Document().GetPathName()));
    if (!shown.isEmpty() && COpenDocumentLocks::SameFile(shown, path))
        return;
    m_pMainFrame->OpenDocumentFileWhenFree(path);
}
