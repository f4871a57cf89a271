#include "app/RecoveryFiles.h"

#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/HeldLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#include <algorithm>

namespace {

// A recovery file: this line, the document's path (percent-encoded), the time written
// (ISO 8601, UTC), then the document file's bytes.
constexpr char kMagic[] = "Modelwright recovery 1\n";
constexpr const char* kSuffix = ".recovery";
constexpr qint64 kMaxHeader = 64 * 1024;

std::filesystem::path PathOf(const QString& path)
{
    return PathFromUtf8(path.toStdString());
}

QString LockPathOf(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

QByteArray HeaderOf(const QString& documentPath, const QDateTime& written)
{
    return QByteArray(kMagic) + QUrl::toPercentEncoding(documentPath) + '\n'
        + written.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
}

// A recovery file is readable by those who may read the document, and by no one else when
// there is none; its owner may always replace it.
std::filesystem::perms PermissionsFor(const QString& documentPath)
{
    namespace fs = std::filesystem;
    constexpr fs::perms ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    std::error_code error;
    const fs::file_status status = documentPath.isEmpty() ? fs::file_status() : fs::status(PathOf(documentPath), error);
    if (error || !fs::is_regular_file(status))
        return ownerOnly;
    return (status.permissions() & fs::perms::all) | ownerOnly;
}

}

CRecoveryFiles::CRecoveryFiles(const QString& folder)
    : m_folder(folder)
{
    QDir().mkpath(m_folder);
    // Nobody else may see which documents the user changes, nor plant anything among the files.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_ownFile = QDir(m_folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + kSuffix);
    m_ownLock = CHeldLock::TryHold(PathOf(LockPathOf(m_ownFile)));
}

CRecoveryFiles::~CRecoveryFiles()
{
    if (!m_keepAtEnd)
        Remove();
    if (m_ownLock)
        m_ownLock->Remove();
    for (auto& [path, lock] : m_heldOrphans)
        lock->Remove();
}

QString CRecoveryFiles::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(QStringLiteral("recovery"));
}

void CRecoveryFiles::Write(const QString& documentPath, const QDateTime& written,
    const std::function<void(const PieceWriter&)>& writeDocument) const
{
    const QByteArray header = HeaderOf(documentPath, written);
    // A link in the file's place is replaced, never written through.
    CFileReplacement::SRules rules;
    rules.m_permissions = PermissionsFor(documentPath);
    rules.m_followLink = false;
    CFileReplacement file(PathOf(m_ownFile), rules);
    file.Write(std::string_view(header.constData(), static_cast<size_t>(header.size())));
    writeDocument([&file](std::span<const uint8_t> piece) { file.Write(piece); });
    file.Commit();
}

void CRecoveryFiles::Remove() const
{
    QFile::remove(m_ownFile);
}

bool CRecoveryFiles::ReadEntry(const QString& filePath, SEntry& entry)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.readLine(kMaxHeader) != kMagic)
        return false;
    const QByteArray path = file.readLine(kMaxHeader);
    const QByteArray time = file.readLine(kMaxHeader);
    if (!path.endsWith('\n') || !time.endsWith('\n'))
        return false;
    entry.filePath = filePath;
    entry.documentPath = QUrl::fromPercentEncoding(path.chopped(1));
    entry.written = QDateTime::fromString(QString::fromLatin1(time.chopped(1)), Qt::ISODateWithMs);
    return entry.written.isValid();
}

std::vector<uint8_t> CRecoveryFiles::ReadDocumentBytes(const QString& filePath)
{
    std::vector<uint8_t> bytes = ReadWholeFile(PathOf(filePath));
    // The header is three lines.
    size_t start = 0;
    for (int line = 0; line < 3; ++line) {
        const auto end = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(), uint8_t('\n'));
        if (end == bytes.end())
            throw CException(EErrorCode::failedToOpenDocument);
        start = static_cast<size_t>(end - bytes.begin()) + 1;
    }
    bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(start));
    return bytes;
}

QList<CRecoveryFiles::SEntry> CRecoveryFiles::Orphans()
{
    QList<SEntry> orphans;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QString& name : names) {
        const QString filePath = QDir(m_folder).filePath(name);
        if (filePath == m_ownFile)
            continue;
        // A lock that its copy still holds keeps the file out of reach; a dead copy's is taken,
        // whatever process its text names.
        std::unique_ptr<CHeldLock> lock = CHeldLock::TryHold(PathOf(LockPathOf(filePath)));
        if (!lock)
            continue;
        SEntry entry;
        if (!ReadEntry(filePath, entry)) {
            lock->Remove();
            continue;
        }
        m_heldOrphans.emplace_back(filePath, std::move(lock));
        orphans.append(entry);
    }
    std::sort(orphans.begin(), orphans.end(), [](const SEntry& a, const SEntry& b) { return a.written > b.written; });
    return orphans;
}

void CRecoveryFiles::Discard(const SEntry& entry)
{
    QFile::remove(entry.filePath);
    Release(entry);
}

void CRecoveryFiles::TakeOver(const SEntry& entry)
{
    QFile::remove(m_ownFile);
    QFile::rename(entry.filePath, m_ownFile);
    Release(entry);
}

void CRecoveryFiles::Release(const SEntry& entry)
{
    const auto held = std::find_if(m_heldOrphans.begin(), m_heldOrphans.end(),
        [&entry](const auto& orphan) { return orphan.first == entry.filePath; });
    if (held == m_heldOrphans.end())
        return;
    held->second->Remove();
    m_heldOrphans.erase(held);
}
