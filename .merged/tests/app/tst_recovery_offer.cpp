#include "ModalWatcher.h"
#include "ProgramOutput.h"
#include "TestChannel.h"

#include "app/Autosaver.h"
#include "app/MainFrame.h"
#include "app/ModelwrightApp.h"
#include "app/RecoveryFiles.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"
#include "support/MemorySettingsStore.h"
#include "ui/ModelwrightView.h"
#include "ui/PartsTable.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

using ERecoveryAnswer = CModelwrightApp::ERecoveryAnswer;

// This test program started again as another running copy of the window program: it opens the
// catalogue, changes it, keeps the change for recovery, says so and waits to be killed.
constexpr const char* kCopyData = "MW_RECOVERY_COPY_DATA";
constexpr const char* kCopyFile = "MW_RECOVERY_COPY_FILE";
constexpr const char* kKeptTree = "Oak kept for recovery";

CModelwrightApp::Setup SetupIn(const QString& dataHome)
{
    static int runs = 0;
    CModelwrightApp::Setup setup;
    setup.pSettings = std::make_unique<CMemorySettingsStore>();
    setup.translationFolders = {QStringLiteral(MW_BIN_DIR)};
    setup.helpFolders = {QStringLiteral(MW_BIN_DIR "/help")};
    setup.dataHome = dataHome;
    setup.channelName = TestChannelName(dataHome, ++runs);
    setup.splashTimeout = 100;
    return setup;
}

void AddTree(CModelwrightDoc& doc, const char* name)
{
    auto tree = std::make_unique<CTree>();
    tree->m_name = name;
    doc.Parts().Add(std::move(tree));
    doc.SetModifiedFlag(true);
}

int RunCopy()
{
    CModelwrightApp app(SetupIn(qEnvironmentVariable(kCopyData)));
    if (!app.InitInstance({"-nologo", qEnvironmentVariable(kCopyFile)}))
        return 1;
    AddTree(app.MainFrame()->Document(), kKeptTree);
    app.Autosaver()->AutosaveNow();
    app.Autosaver()->WaitForWrite();
    QTextStream(stdout) << (app.Autosaver()->WrittenCount() == 1 ? "kept" : "failed") << Qt::endl;
    QThread::sleep(60);
    return 0;
}

QStringList PartNames(const CModelwrightDoc& doc)
{
    QStringList names;
    for (const auto& part : doc.Parts().GetList())
        names << QString::fromStdString(part->m_name);
    return names;
}

// Answers the recovery question with the button of that text, after noting the question.
void AnswerRecoveryQuestion(const QString& button, QString& question)
{
    AnswerNextModal([button, &question](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        if (!box) {
            modal.close();
            return;
        }
        question = box->text();
        QStringList buttons;
        for (QAbstractButton* each : box->buttons())
            buttons << each->text();
        buttons.sort();
        question += " [" + buttons.join('|') + "]";
        box->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/recovery_question.png"));
        for (QAbstractButton* each : box->buttons())
            if (each->text() == button)
                each->click();
    });
}

}

class TestRecoveryOffer : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dataHome;
    QString m_catalogue;
    std::vector<std::unique_ptr<QProcess>> m_copies;

    QString RecoveryFolder() const { return m_dataHome->filePath("modelwright/recovery"); }
    QStringList RecoveryFiles() const { return QDir(RecoveryFolder()).entryList({"*.recovery"}, QDir::Files); }

    QProcess& StartCopy()
    {
        auto& copy = m_copies.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kCopyData, m_dataHome->path());
        environment.insert(kCopyFile, m_catalogue);
        copy->setProcessEnvironment(environment);
        copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        copy->start(QCoreApplication::applicationFilePath(), {});
        return *copy;
    }

    void CrashACopy()
    {
        QProcess& copy = StartCopy();
        QCOMPARE(NextOutputLine(copy, 30000), QString("kept"));
        const qint64 pid = copy.processId();
        copy.kill();
        QVERIFY(copy.waitForFinished());
        // Nothing of the killed copy is left in the temporary folder that all users share.
        const QStringList left = QDir(QDir::tempPath()).entryList({QStringLiteral("*-%1-*").arg(pid)},
            QDir::AllEntries | QDir::System | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
        QCOMPARE(RecoveryFiles().size(), 1);
    }

    // A start of the program that answers the recovery question with answer, counting the
    // questions in asked.
    std::unique_ptr<CModelwrightApp> Start(ERecoveryAnswer answer, QStringList& asked)
    {
        CModelwrightApp::Setup setup = SetupIn(m_dataHome->path());
        setup.askRecovery = [answer, &asked](const QString& file, const QDateTime&) {
            asked << file;
            return answer;
        };
        auto app = std::make_unique<CModelwrightApp>(std::move(setup));
        [&] { QVERIFY(app->InitInstance({"-nologo"})); }();
        return app;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dataHome = std::make_unique<QTemporaryDir>();
        CModelwrightDoc saved;
        saved.OnNewDocument();
        AddTree(saved, "Oak");
        m_catalogue = m_dataHome->filePath("garden.wo3");
        saved.SaveDocumentFile(m_catalogue.toStdString());
    }

    void cleanup()
    {
        for (auto& copy : m_copies) {
            copy->kill();
            copy->waitForFinished();
        }
        m_copies.clear();
    }

    void recoverOpensTheChangesModifiedUnderTheirFilesName()
    {
        CrashACopy();
        QString question;
        AnswerRecoveryQuestion("&Recover", question);
        CModelwrightApp app(SetupIn(m_dataHome->path()));
        QVERIFY(app.InitInstance({"-nologo"}));
        QVERIFY2(question.startsWith("Recover the unsaved changes of " + QDir::toNativeSeparators(m_catalogue) + " from "), qPrintable(question));
        QVERIFY2(question.endsWith("? [&Discard|&Later|&Recover]"), qPrintable(question));

        CModelwrightDoc& doc = app.MainFrame()->Document();
        QCOMPARE(QString::fromStdString(doc.GetPathName().string()), m_catalogue);
        QVERIFY(doc.IsModified());
        QVERIFY(app.MainFrame()->isWindowModified());
        QCOMPARE(PartNames(doc), (QStringList {"Oak", kKeptTree}));
        QCOMPARE(app.MainFrame()->View()->ObjectList()->count(), 2);
        // The file itself holds what was saved until the user saves.
        CModelwrightDoc onDisk;
        onDisk.OpenDocumentFile(m_catalogue.toStdString());
        QCOMPARE(PartNames(onDisk), QStringList {"Oak"});

        // The recovered changes are this copy's now: another start is not offered them.
        QStringList asked;
        auto other = Start(ERecoveryAnswer::recover, asked);
        QCOMPARE(asked, QStringList {});
        QCOMPARE(RecoveryFiles(), QStringList {QFileInfo(app.RecoveryFiles()->OwnFilePath()).fileName()});

        // Saved, nothing is left to recover.
        QVERIFY(app.MainFrame()->SaveDocument());
        QCOMPARE(RecoveryFiles(), QStringList {});
        onDisk.OpenDocumentFile(m_catalogue.toStdString());
        QCOMPARE(PartNames(onDisk), (QStringList {"Oak", kKeptTree}));
    }

    void discardRemovesTheChangesForGood()
    {
        CrashACopy();
        QString question;
        AnswerRecoveryQuestion("&Discard", question);
        {
            CModelwrightApp app(SetupIn(m_dataHome->path()));
            QVERIFY(app.InitInstance({"-nologo"}));
            QVERIFY(!question.isEmpty());
            QVERIFY(!app.MainFrame()->Document().IsModified());
            QCOMPARE(app.MainFrame()->Document().Parts().GetCount(), size_t(0));
            QCOMPARE(RecoveryFiles(), QStringList {});
        }
        QStringList asked;
        Start(ERecoveryAnswer::recover, asked);
        QCOMPARE(asked, QStringList {});
    }

    void laterKeepsTheChangesForTheNextStart()
    {
        CrashACopy();
        const QStringList kept = RecoveryFiles();
        QString question;
        AnswerRecoveryQuestion("&Later", question);
        {
            CModelwrightApp app(SetupIn(m_dataHome->path()));
            QVERIFY(app.InitInstance({"-nologo"}));
            QVERIFY(!question.isEmpty());
            QVERIFY(!app.MainFrame()->Document().IsModified());
        }
        QCOMPARE(RecoveryFiles(), kept);
        QStringList asked;
        auto app = Start(ERecoveryAnswer::recover, asked);
        QCOMPARE(asked, QStringList {QDir::toNativeSeparators(m_catalogue)});
        QCOMPARE(PartNames(app->MainFrame()->Document()), (QStringList {"Oak", kKeptTree}));
    }

    void twoRunningCopiesKeepToTheirOwnFiles()
    {
        QProcess& first = StartCopy();
        QCOMPARE(NextOutputLine(first, 30000), QString("kept"));
        const QString firstFile = QDir(RecoveryFolder()).filePath(RecoveryFiles().constFirst());
        const std::vector<uint8_t> firstBytes = CRecoveryFiles::ReadDocumentBytes(firstFile);

        // A second copy is offered nothing while the first runs, and keeps a file of its own.
        QStringList asked;
        auto second = Start(ERecoveryAnswer::recover, asked);
        QCOMPARE(asked, QStringList {});
        AddTree(second->MainFrame()->Document(), "Birch of the second copy");
        second->Autosaver()->AutosaveNow();
        second->Autosaver()->WaitForWrite();
        QCOMPARE(RecoveryFiles().size(), 2);
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(firstFile), firstBytes);

        // Once the first is gone, a third is offered only its changes, not the second's.
        first.kill();
        QVERIFY(first.waitForFinished());
        auto third = Start(ERecoveryAnswer::later, asked);
        QCOMPARE(asked, QStringList {QDir::toNativeSeparators(m_catalogue)});

        // The second ends normally: its file goes, the crashed copy's stays.
        second.reset();
        QCOMPARE(RecoveryFiles(), QStringList {QFileInfo(firstFile).fileName()});
    }

    // While a dialog is open it may change parts in place: no autosave starts until it ends.
    void noAutosaveStartsWhileADialogIsOpen()
    {
        QStringList asked;
        auto app = Start(ERecoveryAnswer::later, asked);
        CAutosaver& autosaver = *app->Autosaver();
        autosaver.SetInterval(1);
        AddTree(app->MainFrame()->Document(), "Elm");
        int writtenDuringTheDialog = -1;
        AnswerNextModal([&](QWidget& modal) {
            autosaver.AutosaveNow();
            autosaver.WaitForWrite();
            writtenDuringTheDialog = autosaver.WrittenCount();
            modal.close();
        });
        QMessageBox::information(app->MainFrame(), "Modelwright", "A dialog");
        QCOMPARE(writtenDuringTheDialog, 0);
        // It is tried again once the dialog has gone.
        QTRY_COMPARE_WITH_TIMEOUT(autosaver.WrittenCount(), 1, 10000);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kCopyData)) {
        QStandardPaths::setTestModeEnabled(true);
        return RunCopy();
    }
    TestRecoveryOffer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery_offer.moc"
