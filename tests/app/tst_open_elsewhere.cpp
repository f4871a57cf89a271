#include "ModalWatcher.h"
#include "ProgramOutput.h"
#include "TestChannel.h"

#include "app/MainFrame.h"
#include "app/ModelwrightApp.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"
#include "support/MemorySettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// This test program started again as another running copy of the window program: it opens
// the catalogue, changes it, says so, and names every question it is asked.
constexpr const char* kCopyData = "MW_ELSEWHERE_COPY_DATA";
constexpr const char* kCopyFile = "MW_ELSEWHERE_COPY_FILE";

CModelwrightApp::Setup SetupIn(const QString& dataHome, const QString& channelFolder)
{
    static int runs = 0;
    CModelwrightApp::Setup setup;
    setup.pSettings = std::make_unique<CMemorySettingsStore>();
    setup.translationFolders = {QStringLiteral(MW_BIN_DIR)};
    setup.helpFolders = {QStringLiteral(MW_BIN_DIR "/help")};
    setup.dataHome = dataHome;
    // Each start on a display of its own: none hands its file to another.
    setup.channelName = TestChannelName(channelFolder, ++runs);
    setup.splashTimeout = 100;
    return setup;
}

void WatchForQuestions()
{
    AnswerNextModal([](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        QTextStream(stdout) << "asked " << (box ? box->text() : modal.objectName()) << Qt::endl;
        modal.close();
        WatchForQuestions();
    });
}

int RunCopy()
{
    QTemporaryDir channels;
    CModelwrightApp app(SetupIn(qEnvironmentVariable(kCopyData), channels.path()));
    if (!app.InitInstance({"-nologo", qEnvironmentVariable(kCopyFile)}))
        return 1;
    CModelwrightDoc& doc = app.MainFrame()->Document();
    auto tree = std::make_unique<CTree>();
    tree->m_name = "Elm not saved";
    doc.Parts().Add(std::move(tree));
    doc.SetModifiedFlag(true);
    WatchForQuestions();
    QTextStream(stdout) << "opened" << Qt::endl;
    QApplication::exec();
    return app.ExitInstance();
}

// Answers the next question with the button of that text, noting the question.
void Answer(const QString& button, QString& question)
{
    AnswerNextModal([button, &question](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        if (!box) {
            modal.close();
            return;
        }
        question = box->text();
        box->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/open_elsewhere_question.png"));
        for (QAbstractButton* each : box->buttons())
            if (each->text() == button)
                each->click();
    });
}

}

class TestOpenElsewhere : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dataHome;
    QTemporaryDir m_channels;
    QString m_catalogue;
    QProcess m_copy;

    std::unique_ptr<CModelwrightApp> Start(const QStringList& arguments, bool& started)
    {
        auto app = std::make_unique<CModelwrightApp>(SetupIn(m_dataHome->path(), m_channels.path()));
        started = app->InitInstance(arguments);
        return app;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dataHome = std::make_unique<QTemporaryDir>();
        CModelwrightDoc saved;
        saved.OnNewDocument();
        auto tree = std::make_unique<CTree>();
        tree->m_name = "Oak";
        saved.Parts().Add(std::move(tree));
        m_catalogue = m_dataHome->filePath("garden.wo3");
        saved.SaveDocumentFile(m_catalogue.toStdString());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kCopyData, m_dataHome->path());
        environment.insert(kCopyFile, m_catalogue);
        m_copy.setProcessEnvironment(environment);
        m_copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_copy.start(QCoreApplication::applicationFilePath(), {});
        QCOMPARE(NextOutputLine(m_copy, 30000), QString("opened"));
    }

    void cleanup()
    {
        m_copy.kill();
        m_copy.waitForFinished();
    }

    // The other copy shows the file as it is there, unsaved changes and all, and asks nothing.
    void fileOpenInAnotherCopyIsShownThereInsteadOfOpenedTwice()
    {
        bool started = false;
        auto second = Start({"-nologo"}, started);
        QVERIFY(started);
        CMainFrame& frame = *second->MainFrame();

        QString question;
        Answer("Cancel", question);
        QVERIFY(!frame.OpenDocumentFile(m_catalogue));
        QCOMPARE(question, QDir::toNativeSeparators(m_catalogue) + " is already open in another Modelwright window.");
        QVERIFY(!frame.DocumentShownElsewhere());
        QVERIFY(frame.Document().GetPathName().empty());

        Answer("&Switch to It", question);
        QVERIFY(!frame.OpenDocumentFile(m_catalogue));
        QVERIFY(frame.DocumentShownElsewhere());
        QVERIFY(frame.Document().GetPathName().empty());
        // Spelt another way, through a link, it is the same file.
        const QString link = m_dataHome->filePath("link.wo3");
        QVERIFY(QFile::link(m_catalogue, link));
        question.clear();
        Answer("&Switch to It", question);
        QVERIFY(!frame.OpenDocumentFile(QDir(m_dataHome->path()).filePath("./link.wo3")));
        QVERIFY(!question.isEmpty());
        QCOMPARE(NextOutputLine(m_copy, 1000), QString());

        // Once the other copy is gone, however it ended, the file is this window's to open.
        m_copy.kill();
        QVERIFY(m_copy.waitForFinished());
        QVERIFY(frame.OpenDocumentFile(m_catalogue));
        QCOMPARE(QString::fromStdString(frame.Document().GetPathName().string()), m_catalogue);
    }

    // A start for that file alone ends once the file is shown in the other copy's window.
    void aStartForAFileOpenElsewhereEndsOnceItIsShownThere()
    {
        QString question;
        Answer("&Switch to It", question);
        bool started = true;
        auto app = Start({"-nologo", m_catalogue}, started);
        QVERIFY(!started);
        QVERIFY(!question.isEmpty());
        QCOMPARE(app->ExitCode(), 0);
        QCOMPARE(NextOutputLine(m_copy, 1000), QString());

        Answer("Cancel", question);
        app = Start({"-nologo", m_catalogue}, started);
        QVERIFY(!started);
        QCOMPARE(app->ExitCode(), 1);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kCopyData)) {
        QStandardPaths::setTestModeEnabled(true);
        return RunCopy();
    }
    TestOpenElsewhere test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_open_elsewhere.moc"
