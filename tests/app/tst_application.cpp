#include "ModalWatcher.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/ModelwrightApp.h"
#include "app/SplashWnd.h"
#include "settings/ProgramOptions.h"
#include "support/MemorySettingsStore.h"
#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <chrono>
#include <future>

namespace {

// An application whose settings, data folder and hand-over channel belong to the test.
struct SAppRun {
    QTemporaryDir dataHome;
    CMemorySettingsStore* pSettings = nullptr;
    std::unique_ptr<CModelwrightApp> pApp;

    explicit SAppRun(std::map<std::string, CMemorySettingsStore::Value, std::less<>> stored = {},
        QStringList helpFolders = {QStringLiteral(MW_BIN_DIR "/help")})
    {
        CModelwrightApp::Setup setup;
        auto settings = std::make_unique<CMemorySettingsStore>();
        settings->m_values = std::move(stored);
        pSettings = settings.get();
        setup.pSettings = std::move(settings);
        setup.translationFolders = {QStringLiteral(MW_BIN_DIR)};
        setup.helpFolders = std::move(helpFolders);
        setup.dataHome = dataHome.path();
        setup.channelName = QStringLiteral("modelwright-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++s_runs);
        setup.splashTimeout = 100;
        pApp = std::make_unique<CModelwrightApp>(std::move(setup));
    }

    int32_t Stored(const char* name) const
    {
        const CMemorySettingsStore::Value* pValue = pSettings->Find(name);
        return pValue && std::holds_alternative<int32_t>(*pValue) ? std::get<int32_t>(*pValue) : -1;
    }

    static inline int s_runs = 0;
};

QString WriteCatalogue(const QTemporaryDir& folder, const char* treeName)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    auto pTree = std::make_unique<CTree>();
    pTree->m_name = treeName;
    document.Parts().Add(std::move(pTree));
    const QString path = folder.filePath(QStringLiteral("catalogue.wo3"));
    document.SaveDocumentFile(path.toStdString());
    return path;
}

QString OpenedPath(const CModelwrightApp& app)
{
    return QString::fromStdString(app.MainFrame()->Document().GetPathName().string());
}

QList<CSplashWnd*> Splashes()
{
    QList<CSplashWnd*> splashes;
    for (QWidget* pWindow : QApplication::topLevelWidgets())
        if (auto* pSplash = qobject_cast<CSplashWnd*>(pWindow); pSplash && pSplash->isVisible())
            splashes.append(pSplash);
    return splashes;
}

}

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
    }

    void firstStartWritesTheDefaultOptionsAndSpeaksEnglish()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        QCOMPARE(run.Stored("Language"), 112);
        QCOMPARE(run.Stored("HexahedronBugfix"), 1);
        QCOMPARE(run.Stored("WinrailVersion"), 157);
        QCOMPARE(run.pApp->CurrentLanguage(), int(kLanguageEnglish));
        QVERIFY(run.pApp->HelpBooks().HelpFile().endsWith("/Modelwright.html"));
        QVERIFY(run.pApp->MainFrame()->isVisible());
        QVERIFY(run.pApp->MainFrame()->isMaximized());
        QVERIFY(Splashes().isEmpty());
        QVERIFY(QFileInfo::exists(run.dataHome.filePath("applications/modelwright.desktop")));
        QVERIFY(QFileInfo::exists(run.dataHome.filePath("mime/packages/modelwright.xml")));
        QVERIFY(run.pApp->MainFrame()->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/main_window.png")));
    }

    void optionsAreSavedAtExit()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        run.pApp->Options().m_winrailVersion = kWinrail5;
        run.pApp->Options().m_hexahedronBugfix = 0;
        QCOMPARE(run.Stored("WinrailVersion"), 157);
        QCOMPARE(run.pApp->ExitInstance(), 0);
        QCOMPARE(run.Stored("WinrailVersion"), 156);
        QCOMPARE(run.Stored("HexahedronBugfix"), 0);
    }

    void storedLanguageChoosesTextsAndHelp()
    {
        SAppRun run({{"Language", int32_t(kLanguageGerman)}});
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        QCOMPARE(run.pApp->CurrentLanguage(), int(kLanguageGerman));
        QVERIFY(run.pApp->HelpBooks().HelpFile().endsWith("/ModelwrightDEU.html"));
        CAboutDlg about(run.pApp->VersionInfo());
        QCOMPARE(about.VersionLine()->text(), QStringLiteral("Modelwright Version 2.0"));
    }

    void changedLanguageOptionSwitchesTheTexts()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        run.pApp->Options().m_language = kLanguageDutch;
        emit run.pApp->MainFrame()->optionsChanged();
        QCOMPARE(run.pApp->CurrentLanguage(), int(kLanguageDutch));
        QCOMPARE(QCoreApplication::translate("CAboutDlg", "version"), QStringLiteral("versie"));
        QCOMPARE(run.pApp->ApplyLanguageOption(), -1);
        run.pApp->Options().m_language = kLanguageEnglish;
        QCOMPARE(run.pApp->ApplyLanguageOption(), 0);
        QCOMPARE(QCoreApplication::translate("CAboutDlg", "version"), QStringLiteral("version"));
    }

    void splashShowsUntilTheMainWindowIsThere()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({}));
        QCOMPARE(Splashes().size(), 1);
        QTRY_VERIFY(Splashes().isEmpty());
    }

    void fileOnTheCommandLineIsOpened()
    {
        QTemporaryDir folder;
        const QString path = WriteCatalogue(folder, "Oak");
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo", path}));
        QCOMPARE(OpenedPath(*run.pApp), path);
        QCOMPARE(run.pApp->MainFrame()->Document().Parts().GetCount(), size_t(1));
        QVERIFY(run.pApp->MainFrame()->isMaximized());
    }

    void fileThatCannotBeOpenedEndsTheStart()
    {
        QTemporaryDir folder;
        SAppRun run;
        QString message;
        RecordNextMessage(message);
        QVERIFY(!run.pApp->InitInstance({"-nologo", folder.filePath("missing.wo3")}));
        QVERIFY(!message.isEmpty());
        QCOMPARE(run.pApp->ExitInstance(), 1);
    }

    void secondStartHandsItsFileToTheRunningProgram()
    {
        QTemporaryDir folder;
        const QString path = WriteCatalogue(folder, "Birch");
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        const QString channel = QStringLiteral("modelwright-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(SAppRun::s_runs);
        auto handedOver = std::async(std::launch::async, [&] { return CInstanceChannel(channel).HandOver(path); });
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
        QTRY_COMPARE(OpenedPath(*run.pApp), path);
        QVERIFY(Splashes().isEmpty());
    }

    void helpRequestsOpenTheBookAtTheTopic()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        emit run.pApp->MainFrame()->helpRequested(QStringLiteral("PlatformDlg"));
        QVERIFY(run.pApp->HelpWindow() && run.pApp->HelpWindow()->isVisible());
        QCOMPARE(run.pApp->HelpWindow()->Browser()->source().fragment(), QStringLiteral("PlatformDlg"));
    }

    void helpInsideAnUnnamedDialogFindsItsTopic()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        AnswerNextModal([&run](QWidget& modal) {
            emit run.pApp->MainFrame()->helpRequested(QString());
            modal.close();
        });
        CAboutDlg unnamed(run.pApp->VersionInfo());
        unnamed.setObjectName(QString());
        unnamed.exec();
        QCOMPARE(run.pApp->HelpWindow()->Browser()->source().fragment(), QStringLiteral("AboutDlg"));
    }

    void missingHelpBookIsReported()
    {
        QTemporaryDir emptyFolder;
        SAppRun run({}, {emptyFolder.path()});
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        QString message;
        RecordNextMessage(message);
        emit run.pApp->MainFrame()->helpRequested(QString());
        QCOMPARE(message, QStringLiteral("Cannot find the help file. Please reinstall."));
    }

    void aboutRequestShowsTheAboutBox()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        QString versionLine;
        AnswerNextModal([&versionLine](QWidget& modal) {
            if (auto* pAbout = qobject_cast<CAboutDlg*>(&modal))
                versionLine = pAbout->VersionLine()->text();
            modal.close();
        });
        emit run.pApp->MainFrame()->aboutRequested();
        QCOMPARE(versionLine, QStringLiteral("Modelwright version 2.0"));
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
