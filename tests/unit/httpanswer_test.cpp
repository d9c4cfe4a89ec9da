// An HTTP answer taken apart as its bytes arrive, whole or one byte at a time.
#include "core/httpanswer.h"

#include <gtest/gtest.h>

#include <QStringBuilder>

using namespace vc;
using State = HttpAnswer::State;

TEST(HttpAnswer, BodiesByLengthChunksOrConnectionEndAndWhatFails) {
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const struct {
        const char* what;
        QByteArray bytes;
        bool closed;  // the server closes after the bytes
        State state;
        QByteArray body;
    } cases[] = {
        {"length", ok + "Content-Length: 5\r\n\r\nhelloEXTRA", false, State::Complete, "hello"},
        {"chunks",
         ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n6;x=y\r\n world\r\n0\r\n\r\n", false,
         State::Complete, "hello world"},
        {"to the end", "HTTP/1.0 200 OK\r\nServer: x\r\n\r\nabc", true, State::Complete, "abc"},
        {"bare line ends", "HTTP/1.1 200 OK\nContent-Length: 2\n\nok", false, State::Complete,
         "ok"},
        {"interim answer first",
         "HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 2\r\n\r\nok", false,
         State::Complete, "ok"},
        {"no content", "HTTP/1.1 204 No Content\r\n\r\n", false, State::Complete, ""},
        {"still coming", ok + "Content-Length: 5\r\n\r\nhel", false, State::Reading, ""},
        {"cut short", ok + "Content-Length: 5\r\n\r\nhel", true, State::Failed, ""},
        {"chunks cut short", ok + "Transfer-Encoding: chunked\r\n\r\n5\r\nhel", true, State::Failed,
         ""},
        {"not found", "HTTP/1.1 404 Not Found\r\nContent-Length: 2\r\n\r\nno", false, State::Failed,
         ""},
        {"redirect", "HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n", false, State::Failed, ""},
        {"not http", "this is not http\r\n\r\n", false, State::Failed, ""},
        {"status not a number", "HTTP/1.1 2x0 OK\r\n\r\n", false, State::Failed, ""},
        {"header without colon", ok + "Broken\r\n\r\n", false, State::Failed, ""},
        {"negative length", ok + "Content-Length: -1\r\n\r\n", false, State::Failed, ""},
        {"two lengths", ok + "Content-Length: 1\r\nContent-Length: 2\r\n\r\nab", false,
         State::Failed, ""},
        {"bad chunk size", ok + "Transfer-Encoding: chunked\r\n\r\nzz\r\n", false, State::Failed,
         ""},
        {"chunk without its line end", ok + "Transfer-Encoding: chunked\r\n\r\n1\r\nabcd\r\n",
         false, State::Failed, ""},
        // The limit (200 bytes here) counts the header lines: a flood of them is cut off.
        {"header flood", ok + QByteArray(600, 'x').replace(QByteArray(30, 'x'), "X-Pad: aaa\r\n"),
         false, State::Failed, ""},
        {"body over the limit", ok + "\r\n" + QByteArray(300, 'b'), false, State::Failed, ""},
    };
    for (const auto& c : cases) {
        for (bool bytewise : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (bytewise ? ", byte by byte" : ", whole"));
            HttpAnswer a(200);
            State s = State::Reading;
            if (bytewise) {
                for (char b : c.bytes) s = a.Feed(QByteArray(1, b));
            } else {
                s = a.Feed(c.bytes);
            }
            if (c.closed) s = a.Closed();
            EXPECT_EQ(s, c.state);
            EXPECT_EQ(a.state(), c.state);
            if (c.state == State::Complete) {
                EXPECT_EQ(a.Body(), c.body);
            }
            if (s != State::Reading) {
                EXPECT_EQ(a.Feed("more"), s) << "an answer that ended stays as it is";
            }
        }
    }
}
