#include "SingleInstance.h"

#include "FileNames.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Plain local sockets rather than Qt Network: linking that module (and the
// Kerberos libraries it brings) cost every start a twentieth of its time in
// the dynamic loader, for a few bytes handed over now and then.

namespace {

// Every hand-over starts with a line naming its kind, so that nothing else
// that connects is taken for a launcher: "vexa-launcher open\n" and the path.
const QByteArray kGreeting = QByteArrayLiteral("vexa-launcher ");
// Pending connections the listener keeps while its clients are all busy.
constexpr int kBacklog = 8;

QByteArray KindWord(HandOverKind kind)
{
    switch (kind) {
    case HandOverKind::Open:
        return QByteArrayLiteral("open");
    case HandOverKind::Library:
        return QByteArrayLiteral("library");
    }
    return {};
}

// Whether the process at the other end of a connected socket runs as user.
bool PeerIs(int fd, uid_t user)
{
    ucred peer = {};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer && peer.uid == user;
}

// The user's name, as the temporary runtime folder is named; the number when it has none.
QString UserName()
{
    passwd entry = {};
    passwd *found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(geteuid());
}
// A hand-over longer than this (a path is at most a few kilobytes) is refused.
constexpr qsizetype kMaxMessage = qsizetype{64} * 1024;

// The socket's address; false when the path does not fit in one.
bool Address(const QString &socketPath, sockaddr_un &address)
{
    const QByteArray name = EncodeFileName(socketPath);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

// Waits until fd is ready for events, up to the deadline.
bool Ready(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd wait = {fd, events, 0};
        const int ready = poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// A connected socket to whoever listens at the address, or -1.
int Connect(const sockaddr_un &address, const QDeadlineTimer &deadline)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    for (;;) {
        if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return fd;
        // A listener whose queue is full may take the connection a little later.
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            break;
        poll(nullptr, 0, 10);
    }
    close(fd);
    return -1;
}

} // namespace

bool PrivateFolder(const QString &folder)
{
    struct stat info = {};
    return lstat(EncodeFileName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == geteuid() && (info.st_mode & 07777) == 0700;
}

QString InstanceSocketPath()
{
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.startsWith(QLatin1Char('/'))) {
        // As Qt's runtime location does: a private folder in the temporary
        // folder, made when missing, used only when it is the user's own.
        runtime = QDir::tempPath() + QStringLiteral("/runtime-") + UserName();
        mkdir(EncodeFileName(runtime).constData(), 0700);
    }
    if (!PrivateFolder(runtime))
        return {};
    return runtime + QStringLiteral("/vexa-launcher.socket");
}

bool HandOver(const QString &socketPath, HandOverKind kind, const QByteArray &path, int waitMs)
{
    sockaddr_un address;
    if (!Address(socketPath, address))
        return false;
    const QDeadlineTimer deadline(waitMs);
    const int fd = Connect(address, deadline);
    if (fd < 0)
        return false;
    // Only to a launcher of this user's: another user's would be told the path and keep the window away.
    bool ok = PeerIs(fd, geteuid());
    const QByteArray message = kGreeting + KindWord(kind) + '\n' + path;
    qsizetype sent = 0;
    while (ok && sent < message.size()) {
        const ssize_t n = send(fd, message.constData() + sent, static_cast<std::size_t>(message.size() - sent),
                               MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            ok = n < 0 && errno == EAGAIN && Ready(fd, POLLOUT, deadline);
    }
    // The running launcher closes its end once it has the whole request.
    ok = ok && shutdown(fd, SHUT_WR) == 0;
    while (ok) {
        char rest[64];
        const ssize_t n = recv(fd, rest, sizeof rest, 0);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0 || (errno == EAGAIN && Ready(fd, POLLIN, deadline));
    }
    close(fd);
    return ok;
}

InstanceServer::InstanceServer(QObject *parent, uid_t user)
    : QObject(parent)
    , user_(user)
{
}

InstanceServer::~InstanceServer()
{
    for (auto it = clients_.begin(); it != clients_.end(); ++it)
        close(it.key());
    if (fd_ < 0)
        return;
    close(fd_);
    // The socket this launcher made goes with it; whatever may have taken its place stays.
    const QByteArray name = EncodeFileName(socketPath_);
    struct stat info = {};
    if (lstat(name.constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_dev == socketDevice_ &&
        info.st_ino == socketInode_)
        unlink(name.constData());
}

bool InstanceServer::Listen(const QString &socketPath)
{
    sockaddr_un address;
    if (fd_ >= 0 || !Address(socketPath, address))
        return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const auto *name = reinterpret_cast<const sockaddr *>(&address);
    bool bound = bind(fd, name, sizeof address) == 0;
    struct stat info = {};
    if (!bound && errno == EADDRINUSE && lstat(address.sun_path, &info) == 0 && S_ISSOCK(info.st_mode)) {
        // A socket file with nobody behind it: a launcher that crashed left
        // it. Anything else at that path is not ours to remove.
        const int probe = Connect(address, QDeadlineTimer(200));
        if (probe >= 0) {
            close(probe);
            close(fd);
            return false; // somebody listens after all
        }
        bound = unlink(address.sun_path) == 0 && bind(fd, name, sizeof address) == 0;
    }
    if (!bound) {
        close(fd);
        return false;
    }
    // The file takes its mode from the umask: made the user's alone before
    // listen, so that nobody else can ever connect.
    const bool own = chmod(address.sun_path, 0600) == 0 && lstat(address.sun_path, &info) == 0 &&
                     S_ISSOCK(info.st_mode) && (info.st_mode & 07777) == 0600;
    if (own) {
        socketPath_ = socketPath;
        socketDevice_ = info.st_dev;
        socketInode_ = info.st_ino;
    }
    if (!own || listen(fd, kBacklog) != 0) {
        if (own)
            unlink(address.sun_path);
        close(fd);
        return false;
    }
    fd_ = fd;
    incoming_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(incoming_, &QSocketNotifier::activated, this, &InstanceServer::Accept);
    return true;
}

void InstanceServer::Accept()
{
    // A few clients at a time: the others wait in the listener's queue, or are
    // refused when it is full, and hold no descriptor of the window's.
    while (clients_.size() < kMaxClients) {
        const int client = accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0)
            return;
        if (!PeerIs(client, user_)) {
            close(client);
            continue;
        }
        Client &entry = clients_[client];
        entry.readable = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connect(entry.readable, &QSocketNotifier::activated, this, [this, client] {
            if (Receive(client))
                Drop(client);
        });
        entry.deadline = new QTimer(this);
        entry.deadline->setSingleShot(true);
        connect(entry.deadline, &QTimer::timeout, this, [this, client] { Drop(client); });
        entry.deadline->start(ReceiveWaitMs);
    }
    incoming_->setEnabled(false);
}

void InstanceServer::Drop(int client)
{
    const auto it = clients_.constFind(client);
    if (it == clients_.cend())
        return;
    // Neither is deleted in its own signal; both are quiet from here on.
    it->readable->setEnabled(false);
    it->readable->deleteLater();
    it->deadline->stop();
    it->deadline->deleteLater();
    clients_.erase(it);
    close(client);
    incoming_->setEnabled(true);
}

bool InstanceServer::Receive(int client)
{
    QByteArray &message = clients_[client].message;
    for (;;) {
        char block[4096];
        const ssize_t n = recv(client, block, sizeof block, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return false; // more to come
        if (n > 0 && message.size() + n <= kMaxMessage) {
            message.append(block, n);
            continue;
        }
        // The end, a failure, or a message too long to be a hand-over.
        if (n != 0 || !message.startsWith(kGreeting))
            return true;
        const qsizetype end = message.indexOf('\n');
        const QByteArray word = message.mid(kGreeting.size(), end - kGreeting.size());
        const QByteArray path = message.mid(end + 1);
        for (const HandOverKind kind : {HandOverKind::Open, HandOverKind::Library}) {
            if (end > 0 && word == KindWord(kind)) {
                emit Handed(kind, path);
                break;
            }
        }
        return true;
    }
}

bool Listening(const QString &socketPath)
{
    sockaddr_un address;
    if (!Address(socketPath, address))
        return false;
    const int fd = Connect(address, QDeadlineTimer(0));
    const bool listening = fd >= 0 && PeerIs(fd, geteuid());
    if (fd >= 0)
        close(fd);
    return listening;
}
