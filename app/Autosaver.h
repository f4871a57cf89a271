#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <atomic>

class CModelwrightDoc;
class CRecoveryFiles;

// Keeps the document's unsaved changes in this copy's recovery file every few minutes. The
// document's bytes are made on the window's thread; the file is written on a worker thread,
// so a slow disk never holds the window. A failed write leaves the previous recovery file as
// it was and says nothing: the user hears of a failing disk when saving.
class CAutosaver : public QObject {
    Q_OBJECT
public:
    CAutosaver(CModelwrightDoc& document, CRecoveryFiles& files, QObject* parent = nullptr);
    ~CAutosaver() override;

    // Every minutes minutes; 0 or less: never. The environment variable
    // MODELWRIGHT_AUTOSAVE_MS sets the interval in milliseconds instead (for tests).
    void SetInterval(int minutes);
    // Keeps the changes now, when there are any; the write goes on in the background.
    void AutosaveNow();
    // Waits for a write under way.
    void WaitForWrite();
    // The document has no unsaved changes any more: its recovery file goes.
    void DocumentSaved();

    // How long the last autosave held the window's thread, in milliseconds.
    qint64 LastStallMs() const { return m_lastStallMs; }
    int WrittenCount() const { return m_written.load(); }
    int FailedCount() const { return m_failed.load(); }

signals:
    // A write ended (on the window's thread); ok is false when it failed.
    void written(bool ok);

private:
    CModelwrightDoc& m_document;
    CRecoveryFiles& m_files;
    QTimer m_timer;
    QThreadPool m_worker;
    qint64 m_lastStallMs = 0;
    std::atomic<int> m_written {0};
    std::atomic<int> m_failed {0};
};
