#pragma once

#include <QString>

class QLocalSocket;

// The parts of the single-copy channel that differ between systems; each system has a file
// of its own (UserChannel_unix.cpp, UserChannel_win.cpp).

// The name of this user's channel in this login session and display; empty when the system
// offers no place that only this user can reach, and then the program runs without one.
QString UserChannelName();
// Whether the program at the other end of the connection runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket);
// Lets the program at the other end bring its window forward once it is handed a file: a
// system that keeps programs in the background from taking the focus allows it then.
void LetPeerComeForward();
// Letters, digits, dot, minus and underscore, so that a text can stand in a channel's name.
QString FileNameSafe(const QString& text);
