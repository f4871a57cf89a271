#pragma once

#include <QString>

#include <map>
#include <memory>

class CHeldLock;

// Which catalogue files the running copies of the program have open, so that a second copy
// never edits a second copy of the same file. A copy holds a lock for each file it has open
// in a folder of the user's; the lock names the copy's own channel, through which another copy
// asks it to show that file. The system drops the locks of a copy that ends, however it ends.
class COpenDocumentLocks {
public:
    // ownChannel: where this copy hears from the others; empty when it cannot.
    COpenDocumentLocks(QString folder, QString ownChannel);
    ~COpenDocumentLocks();
    COpenDocumentLocks(const COpenDocumentLocks&) = delete;
    COpenDocumentLocks& operator=(const COpenDocumentLocks&) = delete;

    // The user's folder for these locks.
    static QString DefaultFolder();

    // Takes the file for this copy (kept until Follow lets it go); false when another running
    // copy has it open.
    bool Claim(const QString& path);
    // Keeps the lock of this file alone: the document's file now, empty for none.
    void Follow(const QString& path);
    // Asks the copy that has the file open to show it; false when it cannot be reached.
    bool ShowInItsWindow(const QString& path) const;
    // Whether both paths name the same file.
    static bool SameFile(const QString& first, const QString& second);

private:
    QString LockPathOf(const QString& path) const;

    QString m_folder;
    QString m_ownChannel;
    std::map<QString, std::unique_ptr<CHeldLock>> m_held;
};
