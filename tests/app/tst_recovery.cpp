#include "app/Autosaver.h"
#include "app/RecoveryFiles.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>

namespace {

// This test program started again as a running copy of the window program would keep its
// changes: it marks a catalogue modified, keeps it for recovery, says so, and then either
// ends normally or waits to be killed.
constexpr const char* kChildMode = "MW_RECOVERY_CHILD";
constexpr const char* kChildFolder = "MW_RECOVERY_FOLDER";
constexpr const char* kDocumentPath = "/catalogues/garden.wo3";

void AddTree(CModelwrightDoc& doc, const std::string& name, const std::string& freeText = {})
{
    auto tree = std::make_unique<CTree>();
    tree->m_name = name;
    tree->m_freeText = freeText;
    doc.Parts().Add(std::move(tree));
    doc.SetModifiedFlag(true);
}

int RunChild(const QString& mode)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    doc.SetPathName(kDocumentPath);
    AddTree(doc, "Oak kept for recovery");
    CRecoveryFiles files(qEnvironmentVariable(kChildFolder));
    CAutosaver autosaver(doc, files);
    autosaver.AutosaveNow();
    autosaver.WaitForWrite();
    QTextStream(stdout) << (autosaver.WrittenCount() == 1 ? "kept" : "failed") << Qt::endl;
    if (mode == QLatin1String("crash"))
        QThread::sleep(60);
    return 0;
}

QString ChildLine(QProcess& child)
{
    return child.waitForReadyRead(20000) ? QString::fromLatin1(child.readLine()).trimmed() : QString();
}

}

class TestRecovery : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString Folder() const { return m_dir->filePath("recovery"); }

    void StartChild(QProcess& child, const char* mode)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildMode, mode);
        environment.insert(kChildFolder, Folder());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QCOMPARE(ChildLine(child), QString("kept"));
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void aKilledCopysChangesAreOfferedOnlyOnceItIsGone()
    {
        QProcess child;
        StartChild(child, "crash");
        {
            // While it runs, its file is its own.
            CRecoveryFiles files(Folder());
            QVERIFY(files.Orphans().isEmpty());
        }
        child.kill();
        QVERIFY(child.waitForFinished());

        CRecoveryFiles files(Folder());
        const QList<CRecoveryFiles::SEntry> orphans = files.Orphans();
        QCOMPARE(orphans.size(), 1);
        QCOMPARE(orphans[0].documentPath, QString(kDocumentPath));
        QVERIFY(qAbs(orphans[0].written.secsTo(QDateTime::currentDateTimeUtc())) < 600);

        CModelwrightDoc recovered;
        recovered.OnNewDocument();
        recovered.RecoverFromBytes(CRecoveryFiles::ReadDocumentBytes(orphans[0].filePath), kDocumentPath);
        QVERIFY(recovered.IsModified());
        QCOMPARE(recovered.GetTitle(), std::string("garden.wo3"));
        QCOMPARE(recovered.Parts().GetCount(), size_t(1));
        QCOMPARE(recovered.Parts().GetList().front()->m_name, std::string("Oak kept for recovery"));

        // Taken over, the file is this copy's own: nobody else is offered it, and it goes with it.
        files.TakeOver(orphans[0]);
        {
            CRecoveryFiles another(Folder());
            QVERIFY(another.Orphans().isEmpty());
        }
        QVERIFY(QFile::exists(files.OwnFilePath()));
    }

    void laterKeepsTheOfferAndDiscardEndsIt()
    {
        QProcess child;
        StartChild(child, "crash");
        child.kill();
        QVERIFY(child.waitForFinished());
        {
            CRecoveryFiles files(Folder());
            const auto orphans = files.Orphans();
            QCOMPARE(orphans.size(), 1);
            files.Release(orphans[0]);
        }
        CRecoveryFiles files(Folder());
        const auto orphans = files.Orphans();
        QCOMPARE(orphans.size(), 1);
        files.Discard(orphans[0]);
        QVERIFY(CRecoveryFiles(Folder()).Orphans().isEmpty());
    }

    void aCleanExitLeavesNothingToOffer()
    {
        QProcess child;
        StartChild(child, "clean");
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitCode(), 0);
        CRecoveryFiles files(Folder());
        QVERIFY(files.Orphans().isEmpty());
        QCOMPARE(QDir(Folder()).entryList({"*.recovery"}, QDir::Files), QStringList {});
    }

    void aSavedDocumentLeavesNoRecoveryFile()
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        AddTree(doc, "Pine");
        CRecoveryFiles files(Folder());
        CAutosaver autosaver(doc, files);
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        QVERIFY(QFile::exists(files.OwnFilePath()));
        doc.SetModifiedFlag(false);
        autosaver.DocumentSaved();
        QVERIFY(!QFile::exists(files.OwnFilePath()));
        // Nothing unsaved, nothing kept.
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        QVERIFY(!QFile::exists(files.OwnFilePath()));
    }

    void aFailingDiskKeepsTheOldRecoveryFileAndSaysNothing()
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        AddTree(doc, "Small");
        CRecoveryFiles files(Folder());
        CAutosaver autosaver(doc, files);
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        QFile kept(files.OwnFilePath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray old = kept.readAll();
        kept.close();

        // The disk takes no more than what is there already.
        AddTree(doc, "Large", std::string(1 << 20, 'x'));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit before {};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit full = before;
        full.rlim_cur = static_cast<rlim_t>(old.size() + 4096);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        setrlimit(RLIMIT_FSIZE, &before);

        QCOMPARE(autosaver.FailedCount(), 1);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
        QCOMPARE(QDir(Folder()).entryList({"*.recovery"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    // Written to the test log, not judged: how long an autosave of a catalogue of about
    // 60 MB holds the window's thread (its bytes are made there; the disk is written beside it).
    void stallOfALargeCatalogueIsLogged()
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        const std::string text(1000, 't');
        for (int i = 0; i < 60000; ++i)
            AddTree(doc, "Tree " + std::to_string(i), text);
        CRecoveryFiles files(Folder());
        CAutosaver autosaver(doc, files);
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        QCOMPARE(autosaver.WrittenCount(), 1);
        qInfo("Autosave of a %lld-byte catalogue held the window for %lld ms", QFileInfo(files.OwnFilePath()).size(),
            autosaver.LastStallMs());
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const QString mode = qEnvironmentVariable(kChildMode); !mode.isEmpty())
        return RunChild(mode);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
