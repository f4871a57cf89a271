#include "ModalWatcher.h"
#include "ProgramOutput.h"
#include "RegistrationHelpers.h"
#include "TestChannel.h"

#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "app/ModelwrightApp.h"
#include "app/SplashWnd.h"
#include "settings/ProgramOptions.h"
#include "support/MemorySettingsStore.h"
#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"
#include "ui/ModelwrightView.h"
#include "ui/ObjectListBox.h"

#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
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
    QString channel;
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
        channel = TestChannelName(dataHome.path(), ++s_runs);
        setup.channelName = channel;
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
        const QString registration = StartUpRegistrationFault(run.dataHome.path());
        QVERIFY2(registration.isEmpty(), qPrintable(registration));
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

    // A run that ends abruptly after the Options sheet's OK keeps what was chosen; Cancel keeps
    // nothing.
    void optionsAreSavedWhenTheSheetClosesWithOk()
    {
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo"}));
        const auto answerOptions = [](const char* command, bool ok) {
            AnswerNextModal([command, ok](QWidget& sheet) {
                auto* dialog = qobject_cast<QDialog*>(&sheet);
                sheet.findChild<QSpinBox*>("autosaveMinutes")->setValue(7);
                sheet.findChild<QLineEdit*>("compileCommand")->setText(command);
                ok ? dialog->accept() : dialog->reject();
            });
        };
        const auto storedCommand = [&run] {
            const CMemorySettingsStore::Value* command = run.pSettings->Find("CompileCommand");
            return command ? std::get<std::string>(*command) : std::string();
        };
        const int32_t autosaveBefore = run.Stored("AutosaveMinutes");
        answerOptions("wrcompile --cancelled %f", false);
        run.pApp->MainFrame()->OptionsAction()->trigger();
        QCOMPARE(storedCommand(), std::string());
        QCOMPARE(run.Stored("AutosaveMinutes"), autosaveBefore);

        answerOptions("wrcompile %f", true);
        run.pApp->MainFrame()->OptionsAction()->trigger();
        QCOMPARE(run.Stored("AutosaveMinutes"), 7);
        QCOMPARE(storedCommand(), std::string("wrcompile %f"));
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
        const QString channel = run.channel;
        auto handedOver = std::async(std::launch::async, [&] { return CInstanceChannel(channel).HandOver(path); });
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
        QTRY_COMPARE(OpenedPath(*run.pApp), path);
        QVERIFY(Splashes().isEmpty());
    }

    void fileArrivingDuringADialogWaitsForIt_data()
    {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("handed over by a second start") << false;
        QTest::newRow("dropped on the window") << true;
    }

    // The part being edited stays alive under its dialog; after OK the unsaved change is
    // asked about, then the new file opens.
    void fileArrivingDuringADialogWaitsForIt()
    {
        QFETCH(bool, dropped);
        QTemporaryDir firstFolder;
        QTemporaryDir secondFolder;
        const QString first = WriteCatalogue(firstFolder, "Birch");
        const QString second = WriteCatalogue(secondFolder, "Oak");
        SAppRun run;
        QVERIFY(run.pApp->InitInstance({"-nologo", first}));
        const QString channel = run.channel;
        CMainFrame& frame = *run.pApp->MainFrame();
        frame.View()->ObjectList()->SelectIndex(0);

        QString openDuringDialog;
        AnswerNextModal([&](QWidget& dialog) {
            if (dropped) {
                QMimeData files;
                files.setUrls({QUrl::fromLocalFile(second)});
                QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&frame, &enter);
                QVERIFY(enter.isAccepted());
                QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&frame, &drop);
                QVERIFY(drop.isAccepted());
            } else {
                auto handedOver = std::async(std::launch::async, [&] { return CInstanceChannel(channel).HandOver(second); });
                QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
                QVERIFY(handedOver.get());
            }
            for (int turn = 0; turn < 3; ++turn)
                QCoreApplication::processEvents();
            // Nor does a command reaching the window replace the catalogue.
            frame.NewAction()->trigger();
            openDuringDialog = OpenedPath(*run.pApp);
            static_cast<QDialog&>(dialog).accept();
        });
        frame.View()->OnEdit();
        QCOMPARE(openDuringDialog, first);
        QVERIFY(frame.Document().IsModified());

        QString question;
        AnswerNextModal([&question](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            question = box.text();
            box.button(QMessageBox::Discard)->click();
        });
        QTRY_COMPARE(OpenedPath(*run.pApp), second);
        QVERIFY(question.startsWith(QStringLiteral("Save changes to")));
        QCOMPARE(frame.Document().Parts().GetCount(), size_t(1));
        QCOMPARE(frame.View()->ObjectList()->count(), 1);
    }

    void printingWithoutThePrinterSaysWhyAndFails_data()
    {
        QTest::addColumn<QStringList>("printSwitches");
        QTest::addColumn<QString>("reason");
        QTest::newRow("printer that does not exist") << QStringList {"-pt", "No printer of this name"}
                                                   << "the printer \"No printer of this name\" is not available.";
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QTest::newRow("no printer at all") << QStringList {"-p"} << "no printer is available.";
    }

    // The real program, on a screen nobody sees: the reason goes to standard error.
    void printingWithoutThePrinterSaysWhyAndFails()
    {
        QFETCH(QStringList, printSwitches);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = WriteCatalogue(folder, "Birch");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", folder.path());
        environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
        environment.insert("XDG_DATA_HOME", folder.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", folder.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        QStringList arguments {"-nologo", printSwitches.value(0), path};
        arguments += printSwitches.mid(1);
        program.start(QStringLiteral(MW_BIN_DIR "/modelwright"), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QStringList errorLines = WithNewlineEnds(QString::fromUtf8(program.readAllStandardError())).split('\n');
        QVERIFY2(errorLines.contains(QString("%1 cannot be printed: %2").arg(QDir::toNativeSeparators(path), reason)),
            qPrintable(errorLines.join('\n')));
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
