#include "app/Autosaver.h"

#include "app/RecoveryFiles.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <algorithm>
#include <system_error>

namespace {

Q_LOGGING_CATEGORY(lcAutosave, "modelwright.autosave")

constexpr int kMillisecondsPerMinute = 60 * 1000;
// How soon a held or given-up autosave is tried again.
constexpr int kRetryMs = 2000;

// Ends a write whose catalogue is about to change.
struct SCancelled {};

}

CAutosaver::CAutosaver(CModelwrightDoc& document, CRecoveryFiles& files, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_files(files)
{
    connect(&m_timer, &QTimer::timeout, this, &CAutosaver::AutosaveNow);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &CAutosaver::AutosaveNow);
    m_document.m_onAboutToChange = [this] { Cancel(); };
}

CAutosaver::~CAutosaver()
{
    m_document.m_onAboutToChange = nullptr;
    Cancel();
    WaitForWrite();
}

void CAutosaver::SetInterval(int minutes)
{
    bool forTests = false;
    const int testInterval = qEnvironmentVariableIntValue("MODELWRIGHT_AUTOSAVE_MS", &forTests);
    const int interval = forTests && testInterval > 0 ? testInterval : minutes > 0 ? minutes * kMillisecondsPerMinute : 0;
    m_retry.setInterval(std::min(interval, kRetryMs));
    if (interval <= 0) {
        m_timer.stop();
        m_retry.stop();
        return;
    }
    if (!m_timer.isActive() || m_timer.interval() != interval)
        m_timer.start(interval);
}

void CAutosaver::AutosaveNow()
{
    if (!m_document.IsModified())
        return;
    // One write at a time, never while a dialog changes parts in place.
    if (m_busy.load() || (m_held && m_held())) {
        TryAgainSoon();
        return;
    }
    QElapsedTimer stall;
    stall.start();
    WaitForWrite();
    const QString documentPath = QString::fromStdString(PathToUtf8(m_document.GetPathName()));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_cancelled = false;
    m_busy = true;
    try {
        m_worker = std::thread([this, documentPath, now] { Write(documentPath, now); });
    } catch (const std::system_error&) {
        // No thread to be had now: the next turn tries again.
        m_busy = false;
        ++m_failed;
    }
    NoteStall(stall.nsecsElapsed() / 1000);
}

void CAutosaver::Write(const QString& documentPath, const QDateTime& time)
{
    try {
        m_files.Write(documentPath, time, [this](const CRecoveryFiles::PieceWriter& writePiece) {
            std::unique_lock reading(m_reading);
            if (m_cancelled)
                throw SCancelled();
            m_document.SaveInPieces([&](std::span<const uint8_t> piece) {
                reading.unlock();
                writePiece(piece);
                if (m_pieceWritten)
                    m_pieceWritten();
                reading.lock();
                if (m_cancelled)
                    throw SCancelled();
            });
        });
        ++m_written;
    } catch (const SCancelled&) {
        ++m_cancelledCount;
    } catch (const std::exception& error) {
        ++m_failed;
        qCInfo(lcAutosave) << "Keeping the unsaved changes failed:" << error.what();
    }
    m_busy = false;
}

void CAutosaver::Cancel()
{
    if (!m_busy.load())
        return;
    QElapsedTimer stall;
    stall.start();
    m_cancelled = true;
    // The worker reads the catalogue only while it holds this; once it is ours the worker has
    // let go and will see the flag before it reads again.
    { const std::lock_guard reading(m_reading); }
    NoteStall(stall.nsecsElapsed() / 1000);
    TryAgainSoon();
}

void CAutosaver::WaitForWrite()
{
    if (m_worker.joinable())
        m_worker.join();
}

bool CAutosaver::KeepNow()
{
    m_retry.stop();
    WaitForWrite();
    const int written = m_written.load();
    AutosaveNow();
    WaitForWrite();
    return m_written.load() > written;
}

void CAutosaver::DocumentSaved()
{
    Cancel();
    m_retry.stop();
    WaitForWrite();
    m_files.Remove();
}

void CAutosaver::TryAgainSoon()
{
    if (m_timer.isActive() && !m_retry.isActive())
        m_retry.start();
}

void CAutosaver::NoteStall(qint64 microseconds)
{
    m_longestStallUs = std::max(m_longestStallUs, microseconds);
}
