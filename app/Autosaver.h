#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class CModelwrightDoc;
class CRecoveryFiles;

// Keeps the document's unsaved changes in this copy's recovery file every few minutes. A
// worker thread reads the catalogue and writes the file piece by piece while the window goes
// on; whoever is about to change the catalogue tells the document first, which stops the
// worker from reading any further (its unfinished file is given up) and waits only for the
// piece it is reading. No autosave starts while the catalogue is held (a dialog changes parts
// in place); a held or given-up autosave is tried again shortly. A failed write leaves the
// previous recovery file as it was and says nothing: the user hears of a failing disk when
// saving.
class CAutosaver : public QObject {
    Q_OBJECT
public:
    CAutosaver(CModelwrightDoc& document, CRecoveryFiles& files, QObject* parent = nullptr);
    ~CAutosaver() override;

    // Every minutes minutes; 0 or less: never. The environment variable
    // MODELWRIGHT_AUTOSAVE_MS sets the interval in milliseconds instead (for tests).
    void SetInterval(int minutes);
    // Told whether the catalogue is held, so that no autosave may start now.
    void SetHeld(std::function<bool()> held) { m_held = std::move(held); }
    // Keeps the changes now, when there are any; the write goes on in the background.
    void AutosaveNow();
    // Waits for a write under way to end.
    void WaitForWrite();
    // Keeps the changes now and waits until they are kept (the program is about to end);
    // false when nothing was written.
    bool KeepNow();
    // Stops a write under way from reading the catalogue; returns once it no longer does.
    void Cancel();
    // The document has no unsaved changes any more: its recovery file goes.
    void DocumentSaved();

    // The longest time an autosave held the window's thread (starting one, or stopping one
    // for a change), in microseconds.
    qint64 LongestStallUs() const { return m_longestStallUs; }
    int WrittenCount() const { return m_written.load(); }
    int FailedCount() const { return m_failed.load(); }
    int CancelledCount() const { return m_cancelledCount.load(); }
    // For tests: called on the worker after each piece is written, while it reads nothing.
    void SetPieceWritten(std::function<void()> pieceWritten) { m_pieceWritten = std::move(pieceWritten); }

private:
    // On the worker thread.
    void Write(const QString& documentPath, const QDateTime& time);
    void TryAgainSoon();
    void NoteStall(qint64 microseconds);

    CModelwrightDoc& m_document;
    CRecoveryFiles& m_files;
    QTimer m_timer;
    QTimer m_retry;
    std::function<bool()> m_held;
    std::function<void()> m_pieceWritten;
    std::thread m_worker;
    // Held by the worker while it reads the catalogue.
    std::mutex m_reading;
    std::atomic<bool> m_busy {false};
    std::atomic<bool> m_cancelled {false};
    qint64 m_longestStallUs = 0;
    std::atomic<int> m_written {0};
    std::atomic<int> m_failed {0};
    std::atomic<int> m_cancelledCount {0};
};
