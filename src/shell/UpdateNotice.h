#pragma once
// The one-time update notice: on a program's first start, fetches the product's notice file
// from the download server into the configuration folder. Nothing is ever shown; every failure
// leaves an empty notice file. Runs on the event loop and never delays the window. The one GET
// is spoken over a plain socket, so that the time limit closes the connection in every phase
// and the size limit counts every byte that arrives, header lines included.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "core/httpanswer.h"

class QTcpSocket;
class QTimer;

namespace vc {

class UpdateNotice : public QObject {
    Q_OBJECT
  public:
    explicit UpdateNotice(QObject* parent = nullptr);
    ~UpdateNotice() override;

    // Truncates (or creates, with its folder) the notice file, then asks
    // http://<host>/download/<remote name> for it. host may carry a port ("127.0.0.1:8080").
    // finished() follows exactly once, also when the file cannot be created. Call once per object.
    void Start(const QString& exeFileName, const QString& noticePath, const QString& host);

    // Gives up after this many milliseconds (default 10 s), whatever the server is sending.
    void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; }

    // "My App.exe" -> "My-App.ini"; a name without extension gets ".ini" appended.
    static QString RemoteName(const QString& exeFileName);
    // $VC_UPDATE_HOST, else the built-in download host.
    static QString Host();
    // The notice file in the configuration folder.
    static QString NoticePath(const QString& configDir);

    // Whether the program has not started before on this computer (no marker file in the
    // configuration folder).
    static bool IsFirstStart(const QString& configDir);
    // Leaves the marker; false when the folder or the file cannot be written.
    static bool MarkStarted(const QString& configDir);
    // On the first start only: fetches the notice of this edition in the background (the
    // fetch ends by itself) and leaves the marker.
    static void FetchOnFirstStart(QObject* parent, const QString& configDir,
                                  const QString& exeFileName);

    // The most of an answer kept, counted over every byte received.
    static constexpr qint64 kMaxAnswerBytes = 1 << 20;

  signals:
    void finished();

  private:
    void Read();
    void Finish(bool writeBody);

    QPointer<QTcpSocket> socket_;
    std::unique_ptr<HttpAnswer> answer_;
    QTimer* timer_ = nullptr;
    QString noticePath_;
    int timeoutMs_ = 10000;
    bool started_ = false;
    bool done_ = false;
};

}  // namespace vc
