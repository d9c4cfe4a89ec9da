#pragma once
// The answer to one HTTP/1.1 GET, read as its bytes arrive: the status line, the header lines
// and a body sized by Content-Length, sent in chunks, or running to the end of the connection.
// Every byte received counts against a limit, the header lines as much as the body, so an
// answer that never ends its headers is cut off like one that never ends its body.
#include <QByteArray>

namespace vc {

class HttpAnswer {
  public:
    enum class State { Reading, Complete, Failed };

    explicit HttpAnswer(qint64 maxBytes) : maxBytes_(maxBytes) {}

    // Takes the next bytes of the connection and says where the answer stands. Once complete
    // or failed, later bytes change nothing.
    State Feed(const QByteArray& bytes);
    // The server closed the connection: an answer whose body runs to the end is complete.
    State Closed();

    State state() const { return state_; }
    // The status code, 0 before the status line.
    int Status() const { return status_; }
    // The body of a complete answer with a 2xx status.
    const QByteArray& Body() const { return body_; }
    qint64 BytesReceived() const { return received_; }

  private:
    enum class Part { Head, Body, ChunkSize, ChunkData, ChunkEnd };
    State Fail();
    State Complete();
    bool ParseHead(const QByteArray& head);
    void ReadBody();

    qint64 maxBytes_;
    qint64 received_ = 0;
    State state_ = State::Reading;
    Part part_ = Part::Head;
    QByteArray pending_;     // received, not yet taken apart
    qsizetype scanned_ = 0;  // how much of pending_ holds no end of the header lines
    int status_ = 0;
    bool chunked_ = false;
    qint64 length_ = -1;    // Content-Length; -1: up to the end of the connection
    qint64 chunkLeft_ = 0;  // bytes of the current chunk still to come
    QByteArray body_;
};

}  // namespace vc
