#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class CHeldLock;

// The files that keep a running program's unsaved changes, so that they can be recovered
// after a crash or a power cut. They live in a folder of the user's application data, never
// beside the user's files. Each running copy writes one file of its own and holds a lock on
// it while it runs, so two copies never take each other's: only a file whose copy is gone is
// offered for recovery. The system drops a lock when its copy ends, however it ends, so a new
// process that got a dead copy's process ID cannot keep that copy's changes from being offered.
class CRecoveryFiles {
public:
    // What a recovery file says about itself.
    struct SEntry {
        QString filePath;     // the recovery file
        QString documentPath; // the document's own file; empty for one never saved
        QDateTime written;
    };

    // Takes a file of its own in folder (made when missing).
    explicit CRecoveryFiles(const QString& folder);
    ~CRecoveryFiles();
    CRecoveryFiles(const CRecoveryFiles&) = delete;
    CRecoveryFiles& operator=(const CRecoveryFiles&) = delete;

    // The user's folder for recovery files.
    static QString DefaultFolder();

    // Hands on a piece of the document's bytes.
    using PieceWriter = std::function<void(std::span<const uint8_t> piece)>;
    // Replaces this copy's file, atomically, with the document's bytes that writeDocument hands
    // to the piece writer it is given; throws CException, or what writeDocument throws (the old
    // file stays as it was and nothing of the new one is left). Safe to call from a worker
    // thread, one write at a time.
    void Write(const QString& documentPath, const QDateTime& written,
        const std::function<void(const PieceWriter&)>& writeDocument) const;
    // Removes this copy's file (saved, or no changes left to keep).
    void Remove() const;
    // The end of this copy keeps its file for a later start, as a crash would (the program was
    // asked to end with changes unsaved).
    void KeepAtEnd() { m_keepAtEnd = true; }
    const QString& OwnFilePath() const { return m_ownFile; }

    // The files of copies that are no longer running, newest first. Each one stays locked for
    // this copy until it is discarded, taken over or released.
    QList<SEntry> Orphans();
    // The document bytes of a recovery file; throws CException.
    static std::vector<uint8_t> ReadDocumentBytes(const QString& filePath);
    // Reads what a recovery file says about itself; false for a file that is not one.
    static bool ReadEntry(const QString& filePath, SEntry& entry);
    void Discard(const SEntry& entry);
    // Makes the orphan this copy's own file (its changes were recovered into the document).
    void TakeOver(const SEntry& entry);
    // Leaves the orphan for a later start.
    void Release(const SEntry& entry);

private:
    QString m_folder;
    QString m_ownFile;
    std::unique_ptr<CHeldLock> m_ownLock;
    bool m_keepAtEnd = false;
    std::vector<std::pair<QString, std::unique_ptr<CHeldLock>>> m_heldOrphans;
};
