#include "shell/UpdateNotice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace vc {

namespace {

constexpr const char* kDefaultHost = "update.orvelle-software.example";
constexpr const char* kMarkerName = "started.marker";
constexpr const char* kNoticeName = "download.ini";
// The socket takes no more from the system than this before the window thread has read it.
constexpr qint64 kReadBuffer = 64 << 10;

QString WithSlash(const QString& dir) {
    return dir.isEmpty() || dir.endsWith('/') ? dir : dir + '/';
}

}  // namespace

UpdateNotice::UpdateNotice(QObject* parent) : QObject(parent) {}

UpdateNotice::~UpdateNotice() {
    // Abandoned with the program: no signal, the file stays as it is.
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

QString UpdateNotice::RemoteName(const QString& exeFileName) {
    QString name = exeFileName;
    name.replace(' ', '-');
    const qsizetype dot = name.lastIndexOf('.');
    if (dot > 0) name.truncate(dot);
    return name + QStringLiteral(".ini");
}

QString UpdateNotice::Host() {
    const QString host = qEnvironmentVariable("VC_UPDATE_HOST");
    return host.isEmpty() ? QString::fromLatin1(kDefaultHost) : host;
}

QString UpdateNotice::NoticePath(const QString& configDir) {
    return WithSlash(configDir) + QLatin1String(kNoticeName);
}

bool UpdateNotice::IsFirstStart(const QString& configDir) {
    return !QFileInfo::exists(WithSlash(configDir) + QLatin1String(kMarkerName));
}

bool UpdateNotice::MarkStarted(const QString& configDir) {
    if (!QDir().mkpath(configDir)) return false;
    QFile marker(WithSlash(configDir) + QLatin1String(kMarkerName));
    return marker.open(QIODevice::WriteOnly);
}

void UpdateNotice::Start(const QString& exeFileName, const QString& noticePath,
                         const QString& host) {
    if (started_) return;
    started_ = true;
    noticePath_ = noticePath;

    // On a first start the settings folder may not exist yet.
    QDir().mkpath(QFileInfo(noticePath_).absolutePath());
    QFile file(noticePath_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        // Nowhere to write: nothing to fetch. Reported later so callers connect first.
        QTimer::singleShot(0, this, [this] { Finish(false); });
        return;
    }
    file.close();

    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setAuthority(host);
    url.setPath(QStringLiteral("/download/") + RemoteName(exeFileName), QUrl::DecodedMode);
    const QByteArray request = "GET " + url.path(QUrl::FullyEncoded).toLatin1() +
                               " HTTP/1.1\r\n"
                               "Host: " +
                               url.authority(QUrl::FullyEncoded).toLatin1() +
                               "\r\n"
                               "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                               "Accept: text/html, */*\r\n"
                               "Connection: close\r\n\r\n";

    answer_ = std::make_unique<HttpAnswer>(kMaxAnswerBytes);
    socket_ = new QTcpSocket(this);
    // Read as it arrives and counted then: an endless answer never piles up unread.
    socket_->setReadBufferSize(kReadBuffer);
    connect(socket_, &QTcpSocket::connected, this, [this, request] { socket_->write(request); });
    connect(socket_, &QTcpSocket::readyRead, this, &UpdateNotice::Read);
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        Read();
        if (!done_) Finish(answer_->Closed() == HttpAnswer::State::Complete);
    });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError) return;  // disconnected() follows
        Read();
        if (!done_) Finish(false);
    });

    // One limit for the whole fetch: looking up the host, connecting, the header lines and
    // the body. Closing the socket ends each of them at once.
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { Finish(false); });
    timer_->start(timeoutMs_);
    socket_->connectToHost(url.host(), static_cast<quint16>(url.port(80)));
}

void UpdateNotice::Read() {
    if (done_ || !socket_) return;
    while (socket_->bytesAvailable() > 0) {
        switch (answer_->Feed(socket_->read(kReadBuffer))) {
            case HttpAnswer::State::Reading:
                continue;
            case HttpAnswer::State::Complete:
                // Only a plain success is a notice; a redirect's or an error page's is not.
                Finish(true);
                return;
            case HttpAnswer::State::Failed:
                Finish(false);
                return;
        }
    }
}

void UpdateNotice::Finish(bool writeBody) {
    if (done_) return;
    done_ = true;
    if (timer_) timer_->stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    if (writeBody && answer_) {
        const QByteArray& body = answer_->Body();
        QFile file(noticePath_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            if (file.write(body) != body.size()) file.resize(0);  // never half a notice
        }
    }
    answer_.reset();
    emit finished();
}

void UpdateNotice::FetchOnFirstStart(QObject* parent, const QString& configDir,
                                     const QString& exeFileName) {
    if (!IsFirstStart(configDir)) return;
    auto* notice = new UpdateNotice(parent);
    connect(notice, &UpdateNotice::finished, notice, &QObject::deleteLater);
    notice->Start(exeFileName, NoticePath(configDir), Host());
    MarkStarted(configDir);
}

}  // namespace vc
