#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// Every hand-over starts with this line, so that nothing else that connects
// is taken for a launcher.
const QByteArray kGreeting = QByteArrayLiteral("vexa-launcher open\n");
// A hand-over longer than this (a path is at most a few kilobytes) is refused.
constexpr qint64 kMaxMessage = 64LL * 1024;

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
    if (socketPath.isEmpty())
        return false;
    const QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return false;
    socket.write(kGreeting + path);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    // The running launcher closes its end once it has the whole path.
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState
        || socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
}

InstanceServer::InstanceServer(QObject *parent)
    : QObject(parent)
    , server_(new QLocalServer(this))
{
    // No access options: with them Qt binds elsewhere and renames the socket
    // into place, silently taking it from a launcher that listens there.
    // $XDG_RUNTIME_DIR is the user's own already.
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readChannelFinished, this, [this, socket] {
                const QByteArray message = socket->readAll();
                if (message.startsWith(kGreeting))
                    emit Opened(message.mid(kGreeting.size()));
            });
            connect(socket, &QLocalSocket::readyRead, socket, [socket] {
                if (socket->bytesAvailable() > kMaxMessage)
                    socket->abort();
            });
        }
    });
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::Listen(const QString &socketPath)
{
    if (socketPath.isEmpty())
        return false;
    if (server_->listen(socketPath))
        return true;
    // A socket file with nobody behind it: a launcher that crashed left it.
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    if (probe.waitForConnected(200))
        return false; // somebody listens after all
    QLocalServer::removeServer(socketPath);
    return server_->listen(socketPath);
}
