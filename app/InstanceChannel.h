#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

// Lets a second start of the program hand its document file to the program already
// running, which opens it, instead of starting a second window.
class CInstanceChannel : public QObject {
    Q_OBJECT
public:
    // One channel per user and display (or login session), in a folder only this user can
    // enter; empty when there is no such folder, and then the program runs without one.
    static QString DefaultName();
    // The part of the channel's name that tells this display or login session from another.
    static QString DisplayKey();
    // A file name longer than this is refused (a sane path is far shorter).
    static constexpr qint64 kMaxMessageSize = 64 * 1024;

    explicit CInstanceChannel(QString name = DefaultName(), QObject* parent = nullptr);
    ~CInstanceChannel() override;

    // Sends the file's absolute path to a program already running; true only when a program
    // of this user answered that it took it.
    bool HandOver(const QString& filePath, int timeoutMs = 2000) const;
    // Starts listening for the files of later starts; false when another program listens
    // already or the channel cannot be opened.
    bool Listen();
    const QString& Name() const { return m_name; }

signals:
    void fileReceived(const QString& filePath);

private:
    void AcceptConnections();
    void ReadRequest(QLocalSocket* pSocket);

    QString m_name;
    std::unique_ptr<QLocalServer> m_pServer;
};
