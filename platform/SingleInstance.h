#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

// One launcher window per user session. The launcher that runs listens on a
// local socket in $XDG_RUNTIME_DIR (private to the user, emptied at logout);
// a launcher started meanwhile hands its ROM path over and ends, and the
// running one opens it and comes to the front.

// The socket's path: empty when XDG_RUNTIME_DIR is unset or not absolute
// (then every launcher runs on its own).
QString InstanceSocketPath();

// Hands a path (empty: none, only "come to the front") to the launcher
// listening at socketPath. False when none listens there (a file left by a
// launcher that crashed included) or it does not take the path within waitMs.
bool HandOver(const QString &socketPath, const QByteArray &path, int waitMs);

// The running launcher's end of the socket.
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    explicit InstanceServer(QObject *parent = nullptr);
    ~InstanceServer() override;

    // Listens at socketPath, taking the place of a socket file that nobody
    // listens on any more. False when it cannot.
    bool Listen(const QString &socketPath);

signals:
    // Another launcher handed this path over; empty when it had none.
    void Opened(const QByteArray &path);

private:
    void Accept();
    // Reads what a client sent; true once it is done with (all read, or refused).
    bool Receive(int client);

    int fd_ = -1;
    QHash<int, QByteArray> clients_; // what each connected client has sent so far
};
