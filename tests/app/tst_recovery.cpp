#include "ProgramOutput.h"

#include "app/Autosaver.h"
#include "app/RecoveryFiles.h"
#include "model/HeldLock.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <future>
#include <random>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif

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

// A new catalogue of one tree, kept once for recovery in the folder.
struct SKeptCatalogue {
    SKeptCatalogue(const QString& folder, const std::string& tree, const std::string& path = {})
        : files(folder)
    {
        doc.OnNewDocument();
        if (!path.empty())
            doc.SetPathName(path);
        AddTree(doc, tree);
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
    }

    CModelwrightDoc doc;
    CRecoveryFiles files;
    CAutosaver autosaver {doc, files};
};

int RunChild(const QString& mode)
{
    SKeptCatalogue kept(qEnvironmentVariable(kChildFolder), "Oak kept for recovery", kDocumentPath);
    QTextStream(stdout) << (kept.autosaver.WrittenCount() == 1 ? "kept" : "failed") << Qt::endl;
    if (mode == QLatin1String("crash"))
        QThread::sleep(60);
    return 0;
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
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QCOMPARE(NextOutputLine(child, 20000), QString("kept"));
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

    // A new process may get a dead copy's process ID: the lock's text then names a live
    // process, yet only a lock that is held keeps the changes from being offered.
    void aLockNamingALiveProcessIsOfferedUnlessItIsHeld()
    {
        QProcess child;
        StartChild(child, "crash");
        child.kill();
        QVERIFY(child.waitForFinished());
        const QStringList locks = QDir(Folder()).entryList({"*.recovery.lock"}, QDir::Files);
        QCOMPARE(locks.size(), 1);
        const QString lockPath = QDir(Folder()).filePath(locks.constFirst());

        // The text a lock of this very process has.
        QByteArray thisProcess;
        {
            QLockFile own(m_dir->filePath("own.lock"));
            QVERIFY(own.tryLock(0));
            QFile ownText(m_dir->filePath("own.lock"));
            QVERIFY(ownText.open(QIODevice::ReadOnly));
            thisProcess = ownText.readAll();
        }
        QVERIFY(thisProcess.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
        QFile lockText(lockPath);
        QVERIFY(lockText.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lockText.write(thisProcess);
        lockText.close();

        {
            CRecoveryFiles files(Folder());
            QCOMPARE(files.Orphans().size(), 1);
        }
        // Held by a live copy (here a second hold in this process), it stays that copy's.
        auto holder = CHeldLock::TryHold(lockPath.toStdString());
        QVERIFY(holder);
        CRecoveryFiles files(Folder());
        QVERIFY(files.Orphans().isEmpty());
        holder.reset();
        QCOMPARE(files.Orphans().size(), 1);
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
        SKeptCatalogue kept(Folder(), "Pine");
        auto& [doc, files, autosaver] = kept;
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
        SKeptCatalogue small(Folder(), "Small");
        auto& [doc, files, autosaver] = small;
        QFile kept(files.OwnFilePath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray old = kept.readAll();
        kept.close();

        // The disk takes no more than what is there already.
        AddTree(doc, "Large", std::string(1 << 20, 'x'));
#ifndef Q_OS_UNIX
        QSKIP("a full disk is played by a file size limit, which only POSIX systems have");
#else
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
#endif
    }

    // Only those who may read the document may read what is kept of it, and a link planted
    // where the file goes is replaced, never written through.
#ifdef Q_OS_UNIX
    void recoveryFilesAreAsPrivateAsTheirDocuments()
    {
        const auto mode = [](const QString& path) {
            struct stat status {};
            return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 07777u;
        };
        const QString document = m_dir->filePath("private.wo3");
        QVERIFY(QFile(document).open(QIODevice::WriteOnly));
        QVERIFY(::chmod(QFile::encodeName(document).constData(), 0640) == 0);

        SKeptCatalogue unsaved(Folder(), "Never saved");
        QCOMPARE(mode(Folder()), 0700u);
        QCOMPARE(mode(unsaved.files.OwnFilePath()), 0600u);
        SKeptCatalogue saved(Folder(), "Saved", document.toStdString());
        QCOMPARE(mode(saved.files.OwnFilePath()), 0640u);

        const QString victim = m_dir->filePath("victim.txt");
        QVERIFY(QFile(victim).open(QIODevice::WriteOnly));
        QVERIFY(QFile::remove(saved.files.OwnFilePath()));
        QVERIFY(QFile::link(victim, saved.files.OwnFilePath()));
        AddTree(saved.doc, "Changed");
        saved.autosaver.AutosaveNow();
        saved.autosaver.WaitForWrite();
        QCOMPARE(saved.autosaver.FailedCount(), 0);
        QCOMPARE(QFileInfo(victim).size(), 0);
        QVERIFY(!QFileInfo(saved.files.OwnFilePath()).isSymLink());
        QCOMPARE(mode(saved.files.OwnFilePath()), 0640u);
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(saved.files.OwnFilePath()), saved.doc.SaveToBytes());
    }
#endif

    // A change that comes while an autosave reads the catalogue stops it: the window waits
    // for no disk, the unfinished file is given up and the last one kept stays whole.
    void aChangeStopsAnAutosaveUnderWayAndKeepsTheLastFile()
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        for (int i = 0; i < 3000; ++i)
            AddTree(doc, "Tree " + std::to_string(i), std::string(1000, 'x'));
        CRecoveryFiles files(Folder());
        CAutosaver autosaver(doc, files);
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        const std::vector<uint8_t> kept = doc.SaveToBytes();
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(files.OwnFilePath()), kept);

        // The worker is held on its way to the disk after the first piece.
        std::promise<void> firstPiece;
        std::promise<void> goOn;
        std::shared_future<void> mayGoOn = goOn.get_future().share();
        int pieces = 0;
        autosaver.SetPieceWritten([&] {
            if (++pieces == 1) {
                firstPiece.set_value();
                mayGoOn.wait();
            }
        });
        AddTree(doc, "Changed");
        autosaver.AutosaveNow();
        firstPiece.get_future().wait();
        doc.AboutToChange();
        while (doc.Parts().GetCount() > 0)
            doc.Parts().Delete(doc.Parts().GetList().back().get());
        goOn.set_value();
        autosaver.WaitForWrite();

        QCOMPARE(pieces, 1);
        QCOMPARE(autosaver.CancelledCount(), 1);
        QCOMPARE(autosaver.FailedCount(), 0);
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(files.OwnFilePath()), kept);
        QCOMPARE(QDir(Folder()).entryList(QDir::Files | QDir::Hidden),
            (QStringList {QFileInfo(files.OwnFilePath()).fileName(), QFileInfo(files.OwnFilePath()).fileName() + ".lock"}));
    }

    // Changes, new catalogues and loads made while autosaves run (as the window makes them,
    // saying so first) never meet a half-read catalogue; the last autosave keeps exactly the
    // catalogue. Run under the thread sanitizer too.
    void changesWhileAutosavesRunLeaveAWholeLastFile()
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        CRecoveryFiles files(Folder());
        CAutosaver autosaver(doc, files);
        std::mt19937 random(13);
        std::vector<uint8_t> loadable;
        for (int round = 0; round < 60; ++round) {
            const int lots = 1 + int(random() % 400);
            for (int i = 0; i < lots; ++i)
                AddTree(doc, "Tree " + std::to_string(round) + "." + std::to_string(i), std::string(random() % 4000, 'r'));
            autosaver.AutosaveNow();
            doc.AboutToChange();
            switch (random() % 4) {
            case 0:
                doc.OnNewDocument();
                break;
            case 1:
                if (!loadable.empty())
                    doc.LoadFromBytes(loadable);
                break;
            case 2:
                loadable = doc.SaveToBytes();
                break;
            default:
                while (doc.Parts().GetCount() > 10)
                    doc.Parts().Delete(doc.Parts().GetList().front().get());
            }
            doc.SetModifiedFlag(true);
        }
        autosaver.WaitForWrite();
        autosaver.AutosaveNow();
        autosaver.WaitForWrite();
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(files.OwnFilePath()), doc.SaveToBytes());
        QCOMPARE(autosaver.FailedCount(), 0);
        QCOMPARE(QDir(Folder()).entryList({"*.recovery"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    // Written to the test log, not judged: the longest time an autosave of a catalogue of
    // about 60 MB holds the window's thread, starting and when a change stops it.
    void stallOfALargeCatalogueIsLogged()
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        const std::string text(1000, 't');
        for (int i = 0; i < 60000; ++i)
            AddTree(doc, "Tree " + std::to_string(i), text);
        CRecoveryFiles files(Folder());
        CAutosaver autosaver(doc, files);
        QElapsedTimer whole;
        whole.start();
        autosaver.AutosaveNow();
        const qint64 started = autosaver.LongestStallUs();
        autosaver.WaitForWrite();
        const qint64 wholeMs = whole.elapsed();
        QCOMPARE(autosaver.WrittenCount(), 1);
        const std::vector<uint8_t> bytes = doc.SaveToBytes();
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(files.OwnFilePath()), bytes);

        // Stopped while it reads: the window waits for the piece being read.
        std::promise<void> firstPiece;
        bool told = false;
        autosaver.SetPieceWritten([&] {
            if (!std::exchange(told, true))
                firstPiece.set_value();
        });
        autosaver.AutosaveNow();
        firstPiece.get_future().wait();
        doc.AboutToChange();
        autosaver.WaitForWrite();
        QCOMPARE(autosaver.WrittenCount() + autosaver.CancelledCount(), 2);
        QCOMPARE(CRecoveryFiles::ReadDocumentBytes(files.OwnFilePath()), bytes);
        qInfo("Autosave of a %zu-byte catalogue took %lld ms on the worker and held the window for at most %.3f ms "
              "(%.3f ms to start)",
            bytes.size(), wholeMs, double(autosaver.LongestStallUs()) / 1000.0, double(started) / 1000.0);
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
