#include "app/Autosaver.h"

#include "app/RecoveryFiles.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <memory>

namespace {

Q_LOGGING_CATEGORY(lcAutosave, "modelwright.autosave")

constexpr int kMillisecondsPerMinute = 60 * 1000;

}

CAutosaver::CAutosaver(CModelwrightDoc& document, CRecoveryFiles& files, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_files(files)
{
    m_worker.setMaxThreadCount(1);
    connect(&m_timer, &QTimer::timeout, this, &CAutosaver::AutosaveNow);
}

CAutosaver::~CAutosaver()
{
    WaitForWrite();
}

void CAutosaver::SetInterval(int minutes)
{
    bool forTests = false;
    const int testInterval = qEnvironmentVariableIntValue("MODELWRIGHT_AUTOSAVE_MS", &forTests);
    const int interval = forTests && testInterval > 0 ? testInterval : minutes > 0 ? minutes * kMillisecondsPerMinute : 0;
    if (interval <= 0) {
        m_timer.stop();
        return;
    }
    if (!m_timer.isActive() || m_timer.interval() != interval)
        m_timer.start(interval);
}

void CAutosaver::AutosaveNow()
{
    // One write at a time; the next turn of the timer keeps what this one would have.
    if (!m_document.IsModified() || m_worker.activeThreadCount() > 0)
        return;
    QElapsedTimer stall;
    stall.start();
    std::shared_ptr<std::vector<uint8_t>> bytes;
    try {
        bytes = std::make_shared<std::vector<uint8_t>>(m_document.SaveToBytes());
    } catch (const std::exception&) {
        ++m_failed;
        return;
    }
    const QString documentPath = QString::fromStdString(PathToUtf8(m_document.GetPathName()));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    CRecoveryFiles& files = m_files;
    m_worker.start([this, &files, bytes, documentPath, now] {
        bool ok = true;
        try {
            files.Write(*bytes, documentPath, now);
            ++m_written;
        } catch (const std::exception& error) {
            ok = false;
            ++m_failed;
            qCInfo(lcAutosave) << "Keeping the unsaved changes failed:" << error.what();
        }
        QMetaObject::invokeMethod(this, [this, ok] { emit written(ok); }, Qt::QueuedConnection);
    });
    m_lastStallMs = stall.elapsed();
    qCInfo(lcAutosave) << "Autosave held the window for" << m_lastStallMs << "ms";
}

void CAutosaver::WaitForWrite()
{
    m_worker.waitForDone();
}

void CAutosaver::DocumentSaved()
{
    WaitForWrite();
    m_files.Remove();
}
