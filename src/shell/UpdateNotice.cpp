#include "shell/UpdateNotice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace vc {

namespace {

constexpr const char* kDefaultHost = "update.orvelle-software.example";
constexpr const char* kMarkerName = "started.marker";
constexpr const char* kNoticeName = "download.ini";
// A notice is a few lines; anything far larger is not one and is not kept.
constexpr qint64 kMaxBody = 1 << 20;
constexpr qint64 kReadBuffer = 64 << 10;

QString WithSlash(const QString& dir) {
    return dir.isEmpty() || dir.endsWith('/') ? dir : dir + '/';
}

}  // namespace

UpdateNotice::UpdateNotice(QObject* parent) : QObject(parent) {}

UpdateNotice::~UpdateNotice() {
    // Abandoned with the program: no signal, the file stays as it is.
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
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

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setRawHeader("Accept", "text/html, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(timeoutMs_);

    network_ = new QNetworkAccessManager(this);
    network_->setCookieJar(new QNetworkCookieJar(network_));
    reply_ = network_->get(request);
    // Without a limit the HTTP thread reads on and hands over everything in one piece once
    // the window thread is free: an endless answer would fill the memory before any check.
    reply_->setReadBufferSize(kReadBuffer);

    // The transfer timeout only watches for silence; this bounds the whole fetch.
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { Finish(false); });
    timer_->start(timeoutMs_);

    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        body_ += reply_->readAll();
        if (body_.size() > kMaxBody) Finish(false);
    });
    // Counted as they arrive, also what the reply still holds.
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxBody) Finish(false);
    });
    connect(reply_, &QNetworkReply::finished, this, [this] {
        body_ += reply_->readAll();
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // Only a plain success is a notice; a redirect's or an error page's body is not.
        Finish(reply_->error() == QNetworkReply::NoError && status >= 200 && status < 300 &&
               body_.size() <= kMaxBody);
    });
}

void UpdateNotice::Finish(bool writeBody) {
    if (done_) return;
    done_ = true;
    if (timer_) timer_->stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    if (writeBody) {
        QFile file(noticePath_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            if (file.write(body_) != body_.size()) file.resize(0);  // never half a notice
        }
    }
    body_.clear();
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
