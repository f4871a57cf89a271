#include "app/InstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QByteArray kAccepted = QByteArrayLiteral("OK\n");

// Letters, digits, dot, minus and underscore, so the key can stand in a file name.
QString FileNameSafe(const QString& text)
{
    QString safe;
    for (const QChar c : text)
        safe += c.isLetterOrNumber() && c.unicode() < 128 ? c : QChar(u'_');
    return safe.left(40);
}

#ifdef Q_OS_UNIX
// A folder only this user can enter: the user's runtime folder, or one of this program's in
// the shared temporary folder that this user made; empty when neither can be trusted.
QString PrivateFolder()
{
    const auto isPrivate = [](const QByteArray& path) {
        struct stat status {};
        return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid()
            && (status.st_mode & 077) == 0;
    };
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivate(runtime))
        return QString::fromLocal8Bit(runtime);
    const QByteArray own = QFile::encodeName(QDir::tempPath()) + "/modelwright-" + QByteArray::number(::getuid());
    ::mkdir(own.constData(), 0700);
    return isPrivate(own) ? QString::fromLocal8Bit(own) : QString();
}

// Whether the program at the other end of the connection runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket)
{
    const auto fd = static_cast<int>(socket.socketDescriptor());
    if (fd < 0)
        return false;
#if defined(SO_PEERCRED)
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::getuid();
#endif
}
#else
// Windows gives a channel made with user access to no other user.
bool PeerIsThisUser(const QLocalSocket&)
{
    return true;
}
#endif

} // namespace

QString CInstanceChannel::DisplayKey()
{
    QStringList parts;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            parts << FileNameSafe(value);
    }
    if (parts.isEmpty()) {
        const QString session = qEnvironmentVariable("XDG_SESSION_ID");
        parts << (session.isEmpty() ? QStringLiteral("console") : QStringLiteral("session") + FileNameSafe(session));
    }
    return parts.join(u'-');
}

QString CInstanceChannel::DefaultName()
{
#ifdef Q_OS_UNIX
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/modelwright-") + QString::number(::getuid()) + u'-' + DisplayKey();
#else
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    QString user = qEnvironmentVariable("USERNAME");
    return QStringLiteral("modelwright-") + FileNameSafe(user) + u'-' + QString::number(session);
#endif
}

CInstanceChannel::CInstanceChannel(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name))
{
}

CInstanceChannel::~CInstanceChannel() = default;

bool CInstanceChannel::HandOver(const QString& filePath, int timeoutMs) const
{
    if (m_name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (!PeerIsThisUser(socket))
        return false; // another user's program must not learn which file this user opens
    socket.write(QFileInfo(filePath).absoluteFilePath().toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(timeoutMs))
        answer += socket.readAll();
    return answer == kAccepted;
}

bool CInstanceChannel::Listen()
{
    if (m_name.isEmpty())
        return false;
    {
        // A channel that answers belongs to a running program; one that does not is left
        // over from a program that ended abnormally and may be taken over.
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(200))
            return false;
    }
    QLocalServer::removeServer(m_name);
    m_pServer = std::make_unique<QLocalServer>();
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_pServer->listen(m_name)) {
        m_pServer.reset();
        return false;
    }
    connect(m_pServer.get(), &QLocalServer::newConnection, this, &CInstanceChannel::AcceptConnections);
    return true;
}

void CInstanceChannel::AcceptConnections()
{
    while (QLocalSocket* pSocket = m_pServer->nextPendingConnection()) {
        if (!PeerIsThisUser(*pSocket)) {
            pSocket->abort();
            pSocket->deleteLater();
            continue;
        }
        connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        connect(pSocket, &QLocalSocket::readyRead, this, [this, pSocket] { ReadRequest(pSocket); });
        if (pSocket->bytesAvailable() > 0)
            ReadRequest(pSocket);
    }
}

void CInstanceChannel::ReadRequest(QLocalSocket* pSocket)
{
    if (pSocket->bytesAvailable() > kMaxMessageSize) {
        pSocket->abort();
        return;
    }
    if (!pSocket->canReadLine())
        return;
    const QString filePath = QString::fromUtf8(pSocket->readLine()).chopped(1);
    pSocket->write(kAccepted);
    pSocket->flush();
    pSocket->disconnectFromServer();
    if (!filePath.isEmpty())
        emit fileReceived(filePath);
}
