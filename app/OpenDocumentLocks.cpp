#include "app/OpenDocumentLocks.h"

#include "app/InstanceChannel.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/HeldLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

std::filesystem::path PathOf(const QString& path)
{
    return PathFromUtf8(path.toStdString());
}

// One name for one file, however it is reached: through links, or spelt in another case
// where the file system ignores case.
QString FileKey(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() ? file.canonicalFilePath() : QDir::cleanPath(file.absoluteFilePath());
}

}

COpenDocumentLocks::COpenDocumentLocks(QString folder, QString ownChannel)
    : m_folder(std::move(folder))
    , m_ownChannel(std::move(ownChannel))
{
    QDir().mkpath(m_folder);
    // Nobody else may see which documents the user has open.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

COpenDocumentLocks::~COpenDocumentLocks()
{
    Follow(QString());
}

QString COpenDocumentLocks::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath(QStringLiteral("open"));
}

QString COpenDocumentLocks::LockPathOf(const QString& path) const
{
    const QByteArray hash = QCryptographicHash::hash(FileKey(path).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QDir(m_folder).filePath(QStringLiteral("open-") + QString::fromLatin1(hash) + QStringLiteral(".lock"));
}

bool COpenDocumentLocks::Claim(const QString& path)
{
    const QString lockPath = LockPathOf(path);
    if (m_held.count(lockPath) != 0)
        return true;
    std::unique_ptr<CHeldLock> lock = CHeldLock::TryHold(PathOf(lockPath));
    // Held by another copy; a lock that cannot even be made keeps nobody from working.
    if (!lock)
        return !QFileInfo::exists(lockPath);
    lock->Describe((m_ownChannel + u'\n').toStdString());
    m_held.emplace(lockPath, std::move(lock));
    return true;
}

void COpenDocumentLocks::Follow(const QString& path)
{
    const QString kept = path.isEmpty() ? QString() : LockPathOf(path);
    for (auto held = m_held.begin(); held != m_held.end();) {
        if (held->first == kept) {
            ++held;
            continue;
        }
        held->second->Remove();
        held = m_held.erase(held);
    }
    if (!path.isEmpty() && m_held.count(kept) == 0)
        Claim(path);
}

bool COpenDocumentLocks::ShowInItsWindow(const QString& path) const
{
    const std::string text = ReadLockText(PathOf(LockPathOf(path)));
    const QString channel = QString::fromStdString(text.substr(0, text.find('\n')));
    return !channel.isEmpty() && CInstanceChannel(channel).HandOver(path);
}

bool COpenDocumentLocks::SameFile(const QString& first, const QString& second)
{
    return FileKey(first) == FileKey(second);
}
