#include "app/InstanceChannel.h"

#include "app/UserChannel.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray kAccepted = QByteArrayLiteral("OK\n");

} // namespace

QString FileNameSafe(const QString& text)
{
    QString safe;
    for (const QChar c : text)
        safe += c.isLetterOrNumber() && c.unicode() < 128 ? c : QChar(u'_');
    return safe.left(40);
}

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
    return UserChannelName();
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
    LetPeerComeForward();
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
