// The update notice against a small HTTP server inside the test, on 127.0.0.1.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "shell/UpdateNotice.h"

using namespace vc;

namespace {

// Answers every request with a fixed response and records what it was asked.
class TinyServer : public QObject {
  public:
    explicit TinyServer(QByteArray response, bool answer = true)
        : response_(std::move(response)), answer_(answer) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                ++connections;
                connect(s, &QTcpSocket::readyRead, this, [this, s] {
                    buffer_ += s->readAll();
                    const qsizetype end = buffer_.indexOf("\r\n\r\n");
                    if (end < 0) return;
                    const QList<QByteArray> lines = buffer_.left(end).split('\n');
                    requestLine = lines.front().trimmed();
                    for (qsizetype i = 1; i < lines.size(); ++i) {
                        const qsizetype colon = lines[i].indexOf(':');
                        if (colon > 0)
                            headers[lines[i].left(colon).trimmed().toLower()] =
                                lines[i].mid(colon + 1).trimmed();
                    }
                    buffer_.clear();
                    if (!answer_) return;
                    s->write(response_);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QString Host() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }
    bool Listening() const { return server_.isListening(); }

    int connections = 0;
    QByteArray requestLine;
    std::map<QByteArray, QByteArray> headers;

  private:
    QTcpServer server_;
    QByteArray response_;
    QByteArray buffer_;
    bool answer_;
};

// Answers every request with a head and then, without end, what `next` makes of the bytes
// sent so far: as fast as the client takes it, or one piece at a time. Counts the connections
// the client closed.
class EndlessServer : public QObject {
  public:
    using Next = QByteArray (*)(qint64 sent, bool paced);
    EndlessServer(const QByteArray& head, Next next, int intervalMs) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this, head, next, intervalMs] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                connect(s, &QTcpSocket::disconnected, this, [this] { ++disconnects; });
                connect(s, &QTcpSocket::readyRead, this, [this, s, head, next, intervalMs] {
                    if (!s->readAll().contains("\r\n\r\n")) return;
                    s->write(head);
                    auto* timer = new QTimer(s);
                    connect(timer, &QTimer::timeout, s, [this, s, next, intervalMs] {
                        if (s->state() != QAbstractSocket::ConnectedState) return;
                        // Keep a little queued, so the pace is the client's.
                        if (s->bytesToWrite() > (1 << 20)) return;
                        const QByteArray piece = next(sent, intervalMs > 0);
                        s->write(piece);
                        sent += piece.size();
                    });
                    timer->start(intervalMs);
                });
            }
        });
    }
    QString Host() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }
    qint64 sent = 0;
    int disconnects = 0;

  private:
    QTcpServer server_;
};

// A chunked body that never ends (never silent long enough for a transfer timeout).
class EndlessBodyServer : public EndlessServer {
  public:
    explicit EndlessBodyServer(int intervalMs)
        : EndlessServer(
              "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
              "Transfer-Encoding: chunked\r\n\r\n",
              &Chunk, intervalMs) {}

  private:
    static QByteArray Chunk(qint64, bool paced) {
        const QByteArray chunk(paced ? 16 : 64 * 1024, 'n');
        return QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n";
    }
};

// Header lines without end after the status line.
class HeaderFloodServer : public EndlessServer {
  public:
    explicit HeaderFloodServer(int intervalMs)
        : EndlessServer("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n", &Lines, intervalMs) {}

  private:
    static QByteArray Lines(qint64 sent, bool paced) {
        QByteArray lines;
        do {
            lines += "X-Flood-" + QByteArray::number(sent) + ": " + QByteArray(40, 'f') + "\r\n";
        } while (!paced && lines.size() < 64 * 1024);
        return lines;
    }
};

bool WaitFor(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QByteArray Response(const QByteArray& status, const QByteArray& body,
                    const QByteArray& extra = {}) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n" + extra + "\r\n" + body;
}

// Runs a fetch to its end; false when finished() did not come within the limit.
bool Fetch(UpdateNotice& notice, const QString& exe, const QString& path, const QString& host,
           int limitMs = 8000) {
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&notice, &UpdateNotice::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    notice.Start(exe, path, host);
    if (!finished) loop.exec();
    return finished;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class UpdateNoticeTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("download.ini"); }
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // An old notice must not survive a new fetch.
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stale");
    }
};

}  // namespace

TEST(UpdateNoticeNames, RemoteName) {
    const struct {
        const char* exe;
        const char* remote;
    } cases[] = {
        {"My App.exe", "My-App.ini"},
        {"VideoConverter", "VideoConverter.ini"},
        {"iPod Video Converter", "iPod-Video-Converter.ini"},
        {"a.b.c", "a.b.ini"},
        {" lead", "-lead.ini"},
        {".hidden", ".hidden.ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(UpdateNotice::RemoteName(c.exe), c.remote) << c.exe;
}

TEST(UpdateNoticeNames, HostFromEnvironment) {
    qputenv("VC_UPDATE_HOST", "127.0.0.1:1");
    EXPECT_EQ(UpdateNotice::Host(), "127.0.0.1:1");
    qunsetenv("VC_UPDATE_HOST");
    EXPECT_FALSE(UpdateNotice::Host().isEmpty());
    EXPECT_NE(UpdateNotice::Host(), "127.0.0.1:1");
}

TEST(UpdateNoticeNames, FirstStartMarker) {
    QTemporaryDir dir;
    const QString config = dir.filePath("deeper/VideoConverter");
    EXPECT_TRUE(UpdateNotice::IsFirstStart(config));
    ASSERT_TRUE(UpdateNotice::MarkStarted(config));
    EXPECT_FALSE(UpdateNotice::IsFirstStart(config));
    EXPECT_FALSE(UpdateNotice::IsFirstStart(config + "/"));
    EXPECT_EQ(UpdateNotice::NoticePath(config), config + "/download.ini");
    // A folder that cannot be made is reported, not a crash.
    EXPECT_FALSE(UpdateNotice::MarkStarted("/proc/no-such-folder/VideoConverter"));
}

TEST_F(UpdateNoticeTest, FetchesTheProductsNoticeWithTheClientsHeaders) {
    TinyServer server(Response("200 OK", "[update]\r\nversion=2.0\r\n"));
    ASSERT_TRUE(server.Listening());
    UpdateNotice notice;
    ASSERT_TRUE(Fetch(notice, "My App.exe", path(), server.Host()));
    EXPECT_EQ(server.requestLine, "GET /download/My-App.ini HTTP/1.1");
    EXPECT_EQ(server.headers["user-agent"], "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(server.headers["accept"], "text/html, */*");
    EXPECT_EQ(Contents(path()), "[update]\r\nversion=2.0\r\n");
}

TEST_F(UpdateNoticeTest, StrangeNamesStayInThePath) {
    TinyServer server(Response("200 OK", "x"));
    UpdateNotice notice;
    ASSERT_TRUE(Fetch(notice, "a?b#c d.exe", path(), server.Host()));
    EXPECT_EQ(server.requestLine, "GET /download/a%3Fb%23c-d.ini HTTP/1.1");
    EXPECT_EQ(Contents(path()), "x");
}

TEST_F(UpdateNoticeTest, FailuresLeaveAnEmptyFile) {
    const struct {
        const char* what;
        QByteArray response;
        bool oneRequest;  // the client retries a malformed answer on its own
    } cases[] = {
        {"not found", Response("404 Not Found", "no such notice"), true},
        {"server error", Response("500 Internal Server Error", "oops"), true},
        // Redirects are not followed, and their page is no notice.
        {"redirect", Response("302 Found", "moved", "Location: /elsewhere.ini\r\n"), true},
        {"garbage", "this is not http\r\n\r\n", false},
    };
    for (const auto& c : cases) {
        TinyServer server(c.response);
        UpdateNotice notice;
        ASSERT_TRUE(Fetch(notice, "VideoConverter", path(), server.Host())) << c.what;
        EXPECT_TRUE(QFile::exists(path())) << c.what;
        EXPECT_EQ(Contents(path()), "") << c.what;
        if (c.oneRequest) {
            EXPECT_EQ(server.connections, 1) << c.what;
        }
    }
}

TEST_F(UpdateNoticeTest, NoServerGivesAnEmptyFileWithoutWaitingForTheTimeout) {
    QString host;
    {
        QTcpServer probe;  // a port that is certainly closed afterwards
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        host = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    }
    UpdateNotice notice;
    notice.SetTimeout(60000);
    ASSERT_TRUE(Fetch(notice, "My App.exe", path(), host, 5000))
        << "a refused connection ends the fetch at once";
    EXPECT_EQ(Contents(path()), "");
}

TEST_F(UpdateNoticeTest, SilentServerIsGivenUp) {
    TinyServer server(QByteArray(), /*answer=*/false);
    UpdateNotice notice;
    notice.SetTimeout(300);
    ASSERT_TRUE(Fetch(notice, "My App.exe", path(), server.Host(), 8000));
    EXPECT_EQ(server.requestLine, "GET /download/My-App.ini HTTP/1.1");
    EXPECT_EQ(Contents(path()), "");
}

TEST_F(UpdateNoticeTest, FirstStartCreatesTheSettingsFolder) {
    // A brand-new home: neither the configuration folder nor the product's folder exists.
    const QString fresh = dir.filePath("home/.config/VideoConverter/download.ini");
    TinyServer server(Response("200 OK", "[update]\r\n"));
    UpdateNotice notice;
    ASSERT_TRUE(Fetch(notice, "VideoConverter", fresh, server.Host()));
    EXPECT_EQ(server.connections, 1);
    EXPECT_EQ(Contents(fresh), "[update]\r\n");
}

TEST_F(UpdateNoticeTest, UnwritableNoticeFileStillFinishes) {
    TinyServer server(Response("200 OK", "x"));
    UpdateNotice notice;
    ASSERT_TRUE(Fetch(notice, "My App.exe", "/proc/no-such-folder/download.ini", server.Host()));
    EXPECT_EQ(server.connections, 0) << "nothing is fetched that could not be kept";
    EXPECT_FALSE(QFile::exists("/proc/no-such-folder/download.ini"));
}

TEST_F(UpdateNoticeTest, EndlessAnswersAreCutOff) {
    {
        // Far past any notice's size, long before the time limit.
        EndlessBodyServer server(0);
        UpdateNotice notice;
        notice.SetTimeout(60000);
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(Fetch(notice, "VideoConverter", path(), server.Host(), 20000));
        EXPECT_LT(t.elapsed(), 20000);
        EXPECT_EQ(Contents(path()), "");
        EXPECT_LT(server.sent, 64 << 20) << "the client stopped taking the answer";
    }
    {
        // A trickle that never stops: the whole fetch has a time limit.
        EndlessBodyServer server(50);
        UpdateNotice notice;
        notice.SetTimeout(600);
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(Fetch(notice, "VideoConverter", path(), server.Host(), 10000));
        EXPECT_LT(t.elapsed(), 5000);
        EXPECT_GT(server.sent, 0);
        EXPECT_EQ(Contents(path()), "");
    }
}

// Header lines without end: the byte limit counts them, the time limit ends the fetch while
// they still come, and either way the connection is closed, not left to run on.
TEST_F(UpdateNoticeTest, EndlessHeaderLinesAreCutOffAndTheConnectionClosed) {
    {
        HeaderFloodServer server(0);
        UpdateNotice notice;
        notice.SetTimeout(60000);
        ASSERT_TRUE(Fetch(notice, "VideoConverter", path(), server.Host(), 20000))
            << "ended by the byte limit, long before the time limit";
        EXPECT_EQ(Contents(path()), "");
        EXPECT_TRUE(WaitFor([&] { return server.disconnects == 1; }, 10000));
        EXPECT_LT(server.sent, 64 << 20);
    }
    {
        HeaderFloodServer server(50);
        UpdateNotice notice;
        notice.SetTimeout(600);
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(Fetch(notice, "VideoConverter", path(), server.Host(), 10000));
        EXPECT_LT(t.elapsed(), 5000);
        EXPECT_EQ(Contents(path()), "");
        EXPECT_TRUE(WaitFor([&] { return server.disconnects == 1; }, 10000))
            << "the time limit closed the connection";
        const qint64 sentAtTheEnd = server.sent;
        WaitFor([] { return false; }, 300);
        EXPECT_EQ(server.sent, sentAtTheEnd) << "nothing more went to a closed connection";
    }
}
