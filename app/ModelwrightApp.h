#pragma once

#include "app/HelpWindow.h"
#include "app/InstanceChannel.h"
#include "app/LanguageResources.h"
#include "settings/SettingsStore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CAutosaver;
class CMainFrame;
class CRecoveryFiles;
class CModelwrightDoc;
class COpenDocumentLocks;
class COptionCommandLineInfo;
class CProgramOptions;
class CVersionInfo;

// The application: starts the program in a fixed order (settings, options, language, help,
// splash, main window, desktop registration, command line), answers help and About requests,
// and saves the options at exit. It owns the program options and hands them to the main window.
class CModelwrightApp : public QObject {
    Q_OBJECT
public:
    static constexpr int kSplashTimeout = 5000;

    enum class ERecoveryAnswer { recover, discard, later };

    // Where the application finds and keeps its things; tests point these at their own.
    struct Setup {
        std::unique_ptr<ISettingsStore> pSettings; // the program's settings store when null
        QStringList translationFolders = CLanguageResources::DefaultSearchFolders();
        QStringList helpFolders = CHelpBooks::DefaultSearchFolders();
        QString dataHome;                        // the user's data folder when empty
        QString channelName = CInstanceChannel::DefaultName();
        QString splashPicture;                   // the program's own picture when empty
        int splashTimeout = kSplashTimeout;
        QString recoveryFolder;                  // under dataHome, or the user's, when empty
        QString openDocumentsFolder;             // the same for the locks of the open files
        // Asks whether to recover the unsaved changes of a file from a time; a message box
        // when null.
        std::function<ERecoveryAnswer(const QString& file, const QDateTime& time)> askRecovery;
    };

    CModelwrightApp();
    explicit CModelwrightApp(Setup setup);
    ~CModelwrightApp() override;

    // The running application, or null.
    static CModelwrightApp* Instance();

    // Starts the program for the command line (without the program name). False when the
    // program is to end at once: the file was handed to the program already running, was
    // printed, the desktop registration was asked for, or the file could not be opened.
    bool InitInstance(const QStringList& arguments);
    // Saves the options; returns the program's exit status.
    int ExitInstance();
    // The system asked the program to end (a signal, a closing console): it ends as soon as
    // the window's thread gets back to its event loop, asking nothing; dialogs end as if
    // cancelled, and unsaved changes stay for recovery as after a crash.
    void QuitOnRequest();
    bool QuitRequested() const { return m_quitRequested; }

    // Makes the language's texts the ones in use; 1 when a translation catalogue is in use.
    int LoadLanguageDll(int languageId);
    // After the options sheet: switches the interface language when the option changed.
    // Windows opened afterwards speak the new language. Returns LoadLanguageDll's result,
    // or -1 when the language stayed.
    int ApplyLanguageOption();
    // Help at a topic (the object name of the window asked about; empty for the contents).
    void WinHelp(const QString& topic);
    void OnAppAbout();
    // A file another start of the program handed over, opened as File Open would once no
    // dialog is open.
    void OpenHandedOverFile(const QString& path);
    // Offers the unsaved changes a crashed copy left, newest first; Recover opens them as a
    // modified document under the file's own name and ends the offer.
    void OfferRecovery();

    int CurrentLanguage() const { return m_languages.CurrentLanguage(); }
    const CHelpBooks& HelpBooks() const { return m_help.Books(); }
    CHelpWindow* HelpWindow() const { return m_help.Window(); }
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CAutosaver* Autosaver() const { return m_pAutosaver.get(); }
    CRecoveryFiles* RecoveryFiles() const { return m_pRecovery.get(); }
    CProgramOptions& Options() const { return *m_pOptions; }
    const CVersionInfo& VersionInfo() const { return *m_pVersionInfo; }
    int ExitCode() const { return m_exitCode; }

private:
    void ReadVersionData();
    void OpenSettings();
    void LoadProgramOptions();
    void StartSplash(const COptionCommandLineInfo& commandLine);
    void CreateMainFrame();
    void HoldOpenDocuments();
    void RegisterShellFileTypes();
    bool ProcessShellCommand(const COptionCommandLineInfo& commandLine);
    void ShowMainWindow();
    void StartAutosave();
    ERecoveryAnswer AskRecovery(const QString& file, const QDateTime& time);
    void KeepStateAtRequestedEnd();
    static QString TopicOfActiveDialog();

    Setup m_setup;
    std::unique_ptr<CVersionInfo> m_pVersionInfo;
    QString m_companyName;
    std::unique_ptr<CProgramOptions> m_pOptions;
    CLanguageResources m_languages;
    CHelpSystem m_help;
    CInstanceChannel m_channel;
    // This copy's own channel, named in the locks of its open files: there another copy asks
    // it to show a file it has open.
    CInstanceChannel m_ownChannel;
    std::unique_ptr<COpenDocumentLocks> m_pOpenDocuments;
    std::unique_ptr<CModelwrightDoc> m_pDocument;
    std::unique_ptr<CRecoveryFiles> m_pRecovery;
    std::unique_ptr<CAutosaver> m_pAutosaver;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    // The splash deletes itself; this only keeps it above the main window while it lasts.
    QPointer<QWidget> m_pSplash;
    int m_exitCode = 0;
    bool m_quitRequested = false;
};
