#include "shell/InstanceChannel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <cerrno>
#include <cstring>

namespace vc {

namespace {
constexpr quint32 kMagic = 0x56434f31;  // "VCO1": a list of paths follows
constexpr char kAck = 'k';

QByteArray Message(const QStringList& paths) {
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << kMagic << paths;
    return message;
}

// Waits for the socket to become readable; false when the time runs out first.
bool WaitReadable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    int n = 0;
    while ((n = ::poll(&p, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    return n > 0;
}
}  // namespace

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::Accept);
}

QString InstanceChannel::NameFor(const QString& settingsFile) {
    const QByteArray hash =
        QCryptographicHash::hash(settingsFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("VideoConverter-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

bool InstanceChannel::Listening() const {
    return server_->isListening();
}

bool InstanceChannel::ClaimOrHandOver(const QString& name, const QStringList& paths) {
    // Two starts at the same moment: the second waits until the first listens.
    QLockFile lock(QDir::tempPath() + "/" + name + ".lock");
    lock.tryLock(3000);
    if (HandOver(name, paths)) return false;
    // Nobody answered: a socket left behind by a run that crashed is ours to replace.
    QLocalServer::removeServer(name);
    if (!server_->listen(name))
        qWarning("Later starts cannot reach this window: %s", qPrintable(server_->errorString()));
    return true;
}

bool InstanceChannel::HandOver(const QString& name, const QStringList& paths, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(Message(paths));
    socket.flush();
    // The running window answers once it has the names; one that is busy still got them.
    while (socket.bytesAvailable() == 0 && socket.waitForReadyRead(timeoutMs)) {
    }
    socket.disconnectFromServer();
    return true;
}

bool InstanceChannel::HandOverWithoutApplication(const QString& name, const QStringList& paths,
                                                 int timeoutMs) {
    // Where QLocalServer listens for a name without a folder.
    const QByteArray path = QFile::encodeName(QDir::tempPath() + "/" + name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return false;
    }
    const QByteArray message = Message(paths);
    qsizetype sent = 0;
    while (sent < message.size()) {
        const ssize_t n = ::send(fd, message.constData() + sent,
                                 static_cast<std::size_t>(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        sent += n;
    }
    if (sent < message.size()) {
        // A window that takes the connection but not the names is not one to hand over to.
        ::close(fd);
        return false;
    }
    // The running window answers once it has the names; one that is busy still got them.
    char ack = 0;
    if (WaitReadable(fd, timeoutMs)) ::recv(fd, &ack, 1, 0);
    ::close(fd);
    return true;
}

void InstanceChannel::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            quint32 magic = 0;
            QStringList paths;
            in >> magic >> paths;
            if (!in.commitTransaction()) return;  // the rest is still on its way
            if (magic != kMagic) {
                socket->abort();
                return;
            }
            socket->write(&kAck, 1);
            socket->flush();
            // Adding probes every file: not inside the socket's own signal.
            QMetaObject::invokeMethod(
                this, [this, paths] { emit pathsArrived(paths); }, Qt::QueuedConnection);
        });
    }
}

}  // namespace vc
