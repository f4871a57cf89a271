#include "app/UserChannel.h"

#include <QLocalSocket>

#include <windows.h>

QString UserChannelName()
{
    // A named pipe per user and login session; its server grants access to this user alone.
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QStringLiteral("modelwright-") + FileNameSafe(qEnvironmentVariable("USERNAME")) + u'-'
        + QString::number(session);
}

bool PeerIsThisUser(const QLocalSocket&)
{
    // A pipe made with user access admits no other user's program.
    return true;
}

void LetPeerComeForward()
{
    // Only the program in the foreground may hand it on, which the one handing a file over is.
    AllowSetForegroundWindow(ASFW_ANY);
}
