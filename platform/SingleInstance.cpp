#include "SingleInstance.h"

#include "FileNames.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Plain local sockets rather than Qt Network: linking that module (and the
// Kerberos libraries it brings) cost every start a twentieth of its time in
// the dynamic loader, for a few bytes handed over now and then.

namespace {

// Every hand-over starts with this line, so that nothing else that connects
// is taken for a launcher.
const QByteArray kGreeting = QByteArrayLiteral("vexa-launcher open\n");
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

QString InstanceSocketPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.startsWith(QLatin1Char('/')))
        return {};
    return runtime + QStringLiteral("/vexa-launcher.socket");
}

bool HandOver(const QString &socketPath, const QByteArray &path, int waitMs)
{
    sockaddr_un address;
    if (!Address(socketPath, address))
        return false;
    const QDeadlineTimer deadline(waitMs);
    const int fd = Connect(address, deadline);
    if (fd < 0)
        return false;
    const QByteArray message = kGreeting + path;
    qsizetype sent = 0;
    bool ok = true;
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
    // The running launcher closes its end once it has the whole path.
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

InstanceServer::InstanceServer(QObject *parent)
    : QObject(parent)
{
}

InstanceServer::~InstanceServer()
{
    for (auto it = clients_.begin(); it != clients_.end(); ++it)
        close(it.key());
    if (fd_ >= 0)
        close(fd_);
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
    if (!bound && errno == EADDRINUSE) {
        // A socket file with nobody behind it: a launcher that crashed left it.
        const int probe = Connect(address, QDeadlineTimer(200));
        if (probe >= 0) {
            close(probe);
            close(fd);
            return false; // somebody listens after all
        }
        bound = unlink(address.sun_path) == 0 && bind(fd, name, sizeof address) == 0;
    }
    if (!bound || listen(fd, 8) != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    auto *incoming = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, &InstanceServer::Accept);
    return true;
}

void InstanceServer::Accept()
{
    for (;;) {
        const int client = accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0)
            return;
        clients_.insert(client, QByteArray());
        auto *readable = new QSocketNotifier(client, QSocketNotifier::Read, this);
        connect(readable, &QSocketNotifier::activated, this, [this, client, readable] {
            if (Receive(client)) {
                delete readable;
                close(client);
            }
        });
    }
}

bool InstanceServer::Receive(int client)
{
    QByteArray &message = clients_[client];
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
        const QByteArray whole = n == 0 ? message : QByteArray();
        clients_.remove(client);
        if (whole.startsWith(kGreeting))
            emit Opened(whole.mid(kGreeting.size()));
        return true;
    }
}
