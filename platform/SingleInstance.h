#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

class QSocketNotifier;
class QTimer;

// One launcher window per user session. The launcher that runs listens on a
// local socket in the user's runtime folder (private to the user, emptied at
// logout); a launcher started meanwhile hands its request over and ends, and
// the running one carries it out and comes to the front. Only the user's own
// launchers take part: the folder must be the user's own and private, the
// socket is the user's alone, and either end checks who is at the other.

// What a launcher hands over.
enum class HandOverKind {
    Open,    // a ROM or folder to open (the path), or none: only "come to the front"
    Library, // the game library window (no path)
};

// Whether folder is the user's own private folder: a folder, not a link,
// owned by this user, mode 0700.
bool PrivateFolder(const QString &folder);

// The socket's path: in $XDG_RUNTIME_DIR or, when that is unset or not
// absolute, in the replacement the XDG base directory rules ask for
// (runtime-USER in the temporary folder, made private when missing). Empty
// when that folder is not the user's own private one: then every launcher
// runs on its own.
QString InstanceSocketPath();

// Hands a request (for Open, a path; empty: none) to the launcher listening at
// socketPath. False when none of this user's listens there (a file left by a
// launcher that crashed included) or it does not take the request within waitMs.
bool HandOver(const QString &socketPath, HandOverKind kind, const QByteArray &path, int waitMs);

// Whether a launcher of this user's listens at socketPath; it is told nothing.
bool Listening(const QString &socketPath);

// The running launcher's end of the socket.
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    // Takes hand-overs from launchers run by user only.
    explicit InstanceServer(QObject *parent = nullptr, uid_t user = geteuid());
    ~InstanceServer() override;

    // Listens at socketPath, a socket only this user may use, taking the place
    // of a socket file that nobody listens on any more (never of anything
    // else). False when it cannot. The socket is removed when this ends.
    bool Listen(const QString &socketPath);

    // The clients connected now: at most kMaxClients.
    int Clients() const { return static_cast<int>(clients_.size()); }
    static constexpr int kMaxClients = 4;
    // A client that has not sent its whole request this long after it connected is dropped.
    int ReceiveWaitMs = 1000;

signals:
    // Another launcher handed this over; the path is empty when it had none.
    void Handed(HandOverKind kind, const QByteArray &path);

private:
    struct Client {
        QByteArray message; // what it has sent so far
        QSocketNotifier *readable = nullptr;
        QTimer *deadline = nullptr;
    };

    void Accept();
    // Reads what a client sent; true once it is done with (all read, or refused).
    bool Receive(int client);
    void Drop(int client);

    uid_t user_;
    int fd_ = -1;
    QString socketPath_;
    dev_t socketDevice_ = 0; // the socket file this one made: only it is removed at the end
    ino_t socketInode_ = 0;
    QSocketNotifier *incoming_ = nullptr;
    QHash<int, Client> clients_;
};
