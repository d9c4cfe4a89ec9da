#include "shell/InstanceChannel.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace vc {

namespace {
constexpr quint32 kMagic = 0x56434f31;  // "VCO1": a list of paths follows
constexpr char kAck = 'k';
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
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << kMagic << paths;
    socket.write(message);
    socket.flush();
    // The running window answers once it has the names; one that is busy still got them.
    while (socket.bytesAvailable() == 0 && socket.waitForReadyRead(timeoutMs)) {
    }
    socket.disconnectFromServer();
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
