#include "ProgramOutput.h"
#include "app/OptionCommandLineInfo.h"
#include "app/SplashWnd.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTranslator>

namespace {

// A splash whose main window is whatever the test makes it.
struct SSplashRun {
    QPointer<QWidget> mainWindow;
    QPointer<CSplashWnd> splash;

    explicit SSplashRun(int timeout, int flags = CSplashWnd::SPLASH_CLOSE_ON_INPUT)
    {
        splash = CSplashWnd::CreateSplash(QString::fromLatin1(CSplashWnd::kSplashPicture), timeout, flags,
            [this]() -> QWidget* { return mainWindow.data(); });
    }
    ~SSplashRun()
    {
        if (splash)
            splash->close();
    }
};

}

class TestSplashAndCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parsing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("nologo");
        QTest::addColumn<QString>("nologoValue");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("fileName");
        using Info = COptionCommandLineInfo;
        QTest::newRow("nothing") << QStringList{} << false << "" << int(Info::FileNew) << "";
        QTest::newRow("-nologo") << QStringList{"-nologo"} << true << "TRUE" << int(Info::FileNew) << "";
        QTest::newRow("/nologo") << QStringList{"/nologo"} << true << "TRUE" << int(Info::FileNew) << "";
        QTest::newRow("NOLOGO is another option") << QStringList{"-NOLOGO"} << false << "" << int(Info::FileNew) << "";
        QTest::newRow("nologo without a sign is a file") << QStringList{"nologo"} << false << "" << int(Info::FileOpen)
                                                          << "nologo";
        QTest::newRow("-nologo file.wo3") << QStringList{"-nologo", "file.wo3"} << true << "file.wo3"
                                          << int(Info::FileOpen) << "file.wo3";
        QTest::newRow("file.wo3 -nologo") << QStringList{"file.wo3", "-nologo"} << true << "TRUE"
                                          << int(Info::FileOpen) << "file.wo3";
        const QString absolutePath = QDir::rootPath() + "tmp/some catalogue.wo3";
        QTest::newRow("absolute path is a file") << QStringList{absolutePath} << false << "" << int(Info::FileOpen)
                                                 << absolutePath;
        QTest::newRow("print switch") << QStringList{"/p", "file.wo3"} << false << "" << int(Info::FilePrint)
                                      << "file.wo3";
        QTest::newRow("print switch in capitals") << QStringList{"-P", "file.wo3"} << false << ""
                                                  << int(Info::FilePrint) << "file.wo3";
        QTest::newRow("print to") << QStringList{"-pt", "file.wo3", "Office", "driver", "port"} << false << ""
                                  << int(Info::FilePrintTo) << "file.wo3";
        QTest::newRow("desktop hand-over") << QStringList{"-dde"} << false << "" << int(Info::FileDDE) << "";
        QTest::newRow("PDF") << QStringList{"/pdf", "file.wo3", "out.pdf"} << false << "" << int(Info::FilePdf) << "file.wo3";
        QTest::newRow("register") << QStringList{"-regserver"} << false << "" << int(Info::AppRegister) << "";
        QTest::newRow("--help") << QStringList{"--help"} << false << "" << int(Info::ShowUsage) << "";
        QTest::newRow("/? wins over a file") << QStringList{"file.wo3", "/?"} << false << "" << int(Info::ShowUsage)
                                             << "file.wo3";
        QTest::newRow("--version wins over print") << QStringList{"--version", "/p", "file.wo3"} << false << ""
                                                   << int(Info::ShowVersion) << "file.wo3";
    }

    void helpAndVersionAnswerWithoutADisplay()
    {
        for (const auto& [argument, expected] : {std::pair {"--version", "modelwright " MW_VERSION "\n"},
                 std::pair {"--help", "Usage: modelwright"}}) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(QString::fromLatin1(name));
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(MW_BIN_DIR "/modelwright"), {QString::fromLatin1(argument)});
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QVERIFY2(WithNewlineEnds(QString::fromLocal8Bit(program.readAllStandardOutput())).startsWith(QLatin1String(expected)),
                argument);
        }
    }

    void parsing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, nologo);
        QFETCH(QString, nologoValue);
        QFETCH(int, command);
        QFETCH(QString, fileName);
        const COptionCommandLineInfo info = COptionCommandLineInfo::Parse(arguments);
        QString value;
        QCOMPARE(info.HasOption(QStringLiteral("nologo"), &value), nologo);
        QCOMPARE(value, nologoValue);
        QCOMPARE(int(info.m_nShellCommand), command);
        QCOMPARE(info.m_strFileName, fileName);
    }

    void printToNamesThePrinter()
    {
        const auto info = COptionCommandLineInfo::Parse({"-pt", "file.wo3", "Office", "driver", "port"});
        QCOMPARE(info.m_strPrinterName, QStringLiteral("Office"));
    }

    // The PDF's name follows the catalogue, and the scale is the value of its switch, never a
    // file, wherever it stands.
    void pdfTakesItsFileAndScale_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<QString>("scale");
        QTest::newRow("scale last") << QStringList{"/pdf", "a.wo3", "b.pdf", "/scale", "1:87"} << "b.pdf" << "1:87";
        QTest::newRow("scale first") << QStringList{"-scale", "1:160", "-pdf", "a.wo3", "b.pdf"} << "b.pdf" << "1:160";
        QTest::newRow("scale between") << QStringList{"/pdf", "a.wo3", "/scale", "1:45", "b.pdf"} << "b.pdf" << "1:45";
        QTest::newRow("catalogue first") << QStringList{"a.wo3", "/pdf", "b.pdf"} << "b.pdf" << "";
        QTest::newRow("no PDF named") << QStringList{"/pdf", "a.wo3"} << "" << "";
    }

    void pdfTakesItsFileAndScale()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, pdfName);
        QFETCH(QString, scale);
        const auto info = COptionCommandLineInfo::Parse(arguments);
        QCOMPARE(int(info.m_nShellCommand), int(COptionCommandLineInfo::FilePdf));
        QCOMPARE(info.m_strFileName, QStringLiteral("a.wo3"));
        QCOMPARE(info.m_strPdfName, pdfName);
        QCOMPARE(info.m_strModelScale, scale);
        QVERIFY(!info.m_bShowSplash);
    }

    void splashWanted_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("plain start") << QStringList{} << 1 << true;
        QTest::newRow("with a file") << QStringList{"file.wo3"} << 1 << true;
        QTest::newRow("-nologo") << QStringList{"-nologo"} << 1 << false;
        QTest::newRow("/nologo") << QStringList{"/nologo"} << 1 << false;
        QTest::newRow("-NOLOGO") << QStringList{"-NOLOGO"} << 1 << true;
        QTest::newRow("-nologo file.wo3") << QStringList{"-nologo", "file.wo3"} << 1 << false;
        QTest::newRow("nologo ignored by flag") << QStringList{"-nologo"} << 1 + 2 << true;
        QTest::newRow("embedded start") << QStringList{"-Embedding"} << 1 << false;
        QTest::newRow("desktop hand-over") << QStringList{"-dde"} << 1 << false;
        QTest::newRow("desktop hand-over despite flag") << QStringList{"-dde"} << 1 + 2 << false;
    }

    void splashWanted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, flags);
        QFETCH(bool, wanted);
        QCOMPARE(CSplashWnd::IsWanted(COptionCommandLineInfo::Parse(arguments), flags), wanted);
    }

    void nologoStartsNoSplash()
    {
        QVERIFY(!CSplashWnd::Start(COptionCommandLineInfo::Parse({"-nologo"}),
            QString::fromLatin1(CSplashWnd::kSplashPicture), 5000, CSplashWnd::SPLASH_CLOSE_ON_INPUT, {}));
    }

    void missingPictureGivesNoSplash()
    {
        QVERIFY(!CSplashWnd::CreateSplash(QStringLiteral(":/app/no-such-picture.png"), 5000, 1, {}));
    }

    void splashShowsThePictureCentred()
    {
        SSplashRun run(5000);
        QVERIFY(run.splash);
        QVERIFY(run.splash->isVisible());
        QCOMPARE(run.splash->size(), QPixmap(QString::fromLatin1(CSplashWnd::kSplashPicture)).size());
        QVERIFY(run.splash->windowFlags() & Qt::FramelessWindowHint);
        const QPoint offCentre = run.splash->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 1);
        QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
        QVERIFY(run.splash->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/splash.png")));
    }

    // The line under the name is the chosen language's, drawn in the band the picture leaves.
    void subtitleFollowsTheLanguage()
    {
        const QRect band(0, 64, 480, 22);
        QImage english;
        {
            SSplashRun run(5000);
            QCOMPARE(CSplashWnd::Subtitle(), QStringLiteral("Scenery objects for Winrail"));
            english = run.splash->grab().toImage();
        }
        const QImage bare = QPixmap(QString::fromLatin1(CSplashWnd::kSplashPicture)).toImage().convertToFormat(english.format());
        QVERIFY(english.copy(band) != bare.copy(band));

        QTranslator german;
        QVERIFY(german.load(QStringLiteral(MW_BIN_DIR "/ModelwrightDEU.qm")));
        QCoreApplication::installTranslator(&german);
        SSplashRun run(5000);
        QCOMPARE(CSplashWnd::Subtitle(), QStringLiteral("Landschaftsobjekte für Winrail"));
        const QImage translated = run.splash->grab().toImage();
        QCoreApplication::removeTranslator(&german);
        QVERIFY(translated.copy(band) != english.copy(band));
        QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
        QVERIFY(translated.save(QStringLiteral(MW_SCREENSHOT_DIR "/splash-german.png")));
    }

    void closesAtTimeoutWhenMainWindowExists()
    {
        QWidget mainWindow;
        SSplashRun run(400);
        run.mainWindow = &mainWindow;
        QTest::qWait(100);
        QVERIFY(run.splash && run.splash->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!run.splash, 2000);
    }

    void waitsForTheMainWindowInShortSteps()
    {
        SSplashRun run(30);
        QTest::qWait(400);
        QVERIFY(run.splash && run.splash->isVisible());
        QWidget mainWindow;
        QElapsedTimer clock;
        clock.start();
        run.mainWindow = &mainWindow;
        QTRY_VERIFY_WITH_TIMEOUT(!run.splash, 2000);
        // The next look, at most one step later, finds it.
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    void closeOnTimeoutFlagDoesNotWait()
    {
        SSplashRun run(30, CSplashWnd::SPLASH_CLOSE_ON_TIMEOUT);
        QTRY_VERIFY_WITH_TIMEOUT(!run.splash, 2000);
    }

    void noTimeoutStaysUntilInput()
    {
        QWidget mainWindow;
        SSplashRun run(CSplashWnd::kNoTimeout);
        run.mainWindow = &mainWindow;
        QTest::qWait(300);
        QVERIFY(run.splash);
        QTest::keyClick(run.splash.data(), Qt::Key_Space);
        QTRY_VERIFY(!run.splash);
    }

    void closesOnClickAndRaisesTheMainWindow()
    {
        QWidget mainWindow;
        mainWindow.show();
        SSplashRun run(5000);
        run.mainWindow = &mainWindow;
        QTest::mouseClick(run.splash.data(), Qt::LeftButton);
        QTRY_VERIFY(!run.splash);
        QTRY_COMPARE(QApplication::activeWindow(), &mainWindow);
    }

    void closesOnAnyMouseButtonOrKey_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("right button") << int(Qt::RightButton) << 0;
        QTest::newRow("middle button") << int(Qt::MiddleButton) << 0;
        QTest::newRow("Escape") << 0 << int(Qt::Key_Escape);
        QTest::newRow("Alt") << 0 << int(Qt::Key_Alt);
    }

    void closesOnAnyMouseButtonOrKey()
    {
        QFETCH(int, button);
        QFETCH(int, key);
        SSplashRun run(5000);
        if (button)
            QTest::mouseClick(run.splash.data(), Qt::MouseButton(button));
        else
            QTest::keyClick(run.splash.data(), Qt::Key(key));
        QTRY_VERIFY(!run.splash);
    }

    void inputDoesNotCloseWithoutTheFlag()
    {
        SSplashRun run(5000, 0);
        QTest::mouseClick(run.splash.data(), Qt::LeftButton);
        QTest::keyClick(run.splash.data(), Qt::Key_Space);
        QTest::qWait(50);
        QVERIFY(run.splash && run.splash->isVisible());
    }
};

QTEST_MAIN(TestSplashAndCommandLine)
#include "tst_splash_and_command_line.moc"
