#include "ProgramOutput.h"
#include "TestChannel.h"

#include "app/MainFrame.h"
#include "app/ModelwrightApp.h"
#include "app/RecoveryFiles.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"
#include "support/MemorySettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// This test program started again as the window program: it opens the catalogue, changes it
// unless told not to, sends it by mail, says so and runs until the system asks it to end.
constexpr const char* kProgramData = "MW_QUIT_PROGRAM_DATA";
constexpr const char* kProgramFile = "MW_QUIT_PROGRAM_FILE";
constexpr const char* kProgramUnchanged = "MW_QUIT_PROGRAM_UNCHANGED";
constexpr const char* kChangedTree = "Elm not saved";

CModelwrightApp::Setup SetupIn(const QString& dataHome)
{
    CModelwrightApp::Setup setup;
    setup.pSettings = std::make_unique<CMemorySettingsStore>();
    setup.translationFolders = {QStringLiteral(MW_BIN_DIR)};
    setup.helpFolders = {QStringLiteral(MW_BIN_DIR "/help")};
    setup.dataHome = dataHome;
    setup.channelName = TestChannelName(dataHome, 1);
    setup.splashTimeout = 100;
    return setup;
}

int RunProgram()
{
    CModelwrightApp app(SetupIn(qEnvironmentVariable(kProgramData)));
    if (app.InitInstance({"-nologo", qEnvironmentVariable(kProgramFile)})) {
        CModelwrightDoc& doc = app.MainFrame()->Document();
        if (!qEnvironmentVariableIsSet(kProgramUnchanged)) {
            auto tree = std::make_unique<CTree>();
            tree->m_name = kChangedTree;
            doc.Parts().Add(std::move(tree));
            doc.SetModifiedFlag(true);
        }
        app.MainFrame()->SendAction()->trigger();
        QTextStream(stdout) << "running" << Qt::endl;
        QApplication::exec();
    }
    return app.ExitInstance();
}

QStringList NamesIn(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

}

class TestQuitOnSignal : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;

    QString DataHome() const { return m_home->filePath("data"); }
    QString TemporaryFolder() const { return m_home->filePath("tmp"); }
    QString RecoveryFolder() const { return DataHome() + "/modelwright/recovery"; }

private slots:
    void signalEndsTheProgramInOrder_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("changed");
#ifdef Q_OS_UNIX
        QTest::newRow("termination, changes unsaved") << int(SIGTERM) << true;
        QTest::newRow("interrupt, changes unsaved") << int(SIGINT) << true;
        QTest::newRow("termination, nothing unsaved") << int(SIGTERM) << false;
#endif
    }

    // The program asks nothing, removes what it made (the folder of the mail's attachment, its
    // channels, its locks) and keeps unsaved changes for the next start.
    void signalEndsTheProgramInOrder()
    {
#ifndef Q_OS_UNIX
        QSKIP("Signals are Unix's; Windows' console requests take the same road.");
#else
        QFETCH(int, signal);
        QFETCH(bool, changed);
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(DataHome()) && QDir().mkpath(TemporaryFolder()));
        const QString catalogue = m_home->filePath("garden.wo3");
        {
            CModelwrightDoc saved;
            saved.OnNewDocument();
            auto tree = std::make_unique<CTree>();
            tree->m_name = "Oak";
            saved.Parts().Add(std::move(tree));
            saved.SaveDocumentFile(catalogue.toStdString());
        }
        // A mail program that takes the mail and leaves at once.
        const QString mailer = m_home->filePath("xdg-email");
        QFile script(mailer);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexit 0\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kProgramData, DataHome());
        environment.insert(kProgramFile, catalogue);
        if (!changed)
            environment.insert(kProgramUnchanged, "1");
        environment.insert("TMPDIR", TemporaryFolder());
        environment.insert("PATH", m_home->path() + ":" + environment.value("PATH"));
        environment.remove("MODELWRIGHT_AUTOSAVE_MS");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {});
        QCOMPARE(NextOutputLine(program, 30000), QString("running"));
        QCOMPARE(NamesIn(TemporaryFolder(), "modelwright-mail-*").size(), 1);
        QCOMPARE(NamesIn(DataHome() + "/modelwright/open", "*.lock").size(), 1);
        QVERIFY(!NamesIn(DataHome(), "channel-*").isEmpty());

        ::kill(static_cast<pid_t>(program.processId()), signal);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(NamesIn(TemporaryFolder(), "modelwright-mail-*"), QStringList {});
        QCOMPARE(NamesIn(DataHome(), "channel-*"), QStringList {});
        QCOMPARE(NamesIn(RecoveryFolder(), "*.lock"), QStringList {});
        QCOMPARE(NamesIn(DataHome() + "/modelwright/open", "*.lock"), QStringList {});
        const QStringList kept = NamesIn(RecoveryFolder(), "*.recovery");
        if (!changed) {
            QCOMPARE(kept, QStringList {});
            return;
        }
        // The changes made just before the end are kept, though no autosave had come yet.
        QCOMPARE(kept.size(), 1);
        CRecoveryFiles files(RecoveryFolder());
        const QList<CRecoveryFiles::SEntry> orphans = files.Orphans();
        QCOMPARE(orphans.size(), 1);
        QCOMPARE(orphans[0].documentPath, catalogue);
        CModelwrightDoc recovered;
        recovered.OnNewDocument();
        recovered.RecoverFromBytes(CRecoveryFiles::ReadDocumentBytes(orphans[0].filePath), catalogue.toStdString());
        QCOMPARE(recovered.Parts().GetCount(), size_t(2));
        QCOMPARE(recovered.Parts().GetList().back()->m_name, std::string(kChangedTree));
#endif
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsSet(kProgramData))
        return RunProgram();
    TestQuitOnSignal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quit_on_signal.moc"
