#include "app/UserChannel.h"

#include "app/InstanceChannel.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

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

}

QString UserChannelName()
{
    const QString folder = PrivateFolder();
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/modelwright-") + QString::number(::getuid()) + u'-' + CInstanceChannel::DisplayKey();
}

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

void LetPeerComeForward()
{
    // The window manager decides which window comes forward; nothing to allow.
}
