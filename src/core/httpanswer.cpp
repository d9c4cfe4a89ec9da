#include "core/httpanswer.h"

#include <QList>
#include <algorithm>

namespace vc {

namespace {

// A non-negative decimal or hexadecimal number without sign or blanks; -1 otherwise.
qint64 ParseCount(const QByteArray& text, int base) {
    if (text.isEmpty() || text.size() > 15) return -1;
    bool ok = false;
    const qint64 v = text.toLongLong(&ok, base);
    if (!ok || v < 0 || text.startsWith('+') || text.startsWith('-')) return -1;
    return v;
}

}  // namespace

HttpAnswer::State HttpAnswer::Fail() {
    state_ = State::Failed;
    pending_.clear();
    body_.clear();
    return state_;
}

HttpAnswer::State HttpAnswer::Complete() {
    state_ = State::Complete;
    pending_.clear();
    return state_;
}

HttpAnswer::State HttpAnswer::Feed(const QByteArray& bytes) {
    if (state_ != State::Reading) return state_;
    received_ += bytes.size();
    if (received_ > maxBytes_) return Fail();
    pending_ += bytes;
    while (part_ == Part::Head && state_ == State::Reading) {
        // Searched from where the last search stopped: a trickle of header bytes costs no
        // more than their number.
        const qsizetype from = std::max<qsizetype>(0, scanned_ - 3);
        qsizetype end = pending_.indexOf("\r\n\r\n", from);
        qsizetype skip = 4;
        const qsizetype bare = pending_.indexOf("\n\n", from);
        if (bare >= 0 && (end < 0 || bare < end)) end = bare, skip = 2;
        if (end < 0) {
            scanned_ = pending_.size();
            return state_;
        }
        scanned_ = 0;
        const QByteArray head = pending_.left(end);
        pending_.remove(0, end + skip);
        if (!ParseHead(head)) return Fail();
        // An interim answer (100 Continue) is followed by the real one.
        if (status_ >= 100 && status_ < 200) continue;
        if (status_ < 200 || status_ >= 300) return Fail();
        if (status_ == 204 || status_ == 304) return Complete();
        part_ = chunked_ ? Part::ChunkSize : Part::Body;
    }
    ReadBody();
    return state_;
}

bool HttpAnswer::ParseHead(const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    const QByteArray statusLine = lines.front().trimmed();
    // "HTTP/1.1 200 OK"
    if (!statusLine.startsWith("HTTP/1.") || statusLine.size() < 12 || statusLine[8] != ' ')
        return false;
    status_ = static_cast<int>(ParseCount(statusLine.mid(9, 3), 10));
    if (status_ < 100 || status_ > 599 || (statusLine.size() > 12 && statusLine[12] != ' '))
        return false;
    chunked_ = false;
    length_ = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0) return false;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (name == "transfer-encoding") {
            chunked_ = value.toLower().contains("chunked");
        } else if (name == "content-length") {
            const qint64 length = ParseCount(value, 10);
            if (length < 0 || (length_ >= 0 && length != length_)) return false;
            length_ = length;
        }
    }
    return true;
}

void HttpAnswer::ReadBody() {
    while (state_ == State::Reading && !pending_.isEmpty()) {
        switch (part_) {
            case Part::Head:
                return;
            case Part::Body:
                body_ += pending_;
                pending_.clear();
                if (length_ >= 0 && body_.size() >= length_) {
                    body_.truncate(length_);
                    Complete();
                }
                return;
            case Part::ChunkSize: {
                const qsizetype end = pending_.indexOf('\n');
                if (end < 0) return;
                QByteArray line = pending_.left(end).trimmed();
                pending_.remove(0, end + 1);
                const qsizetype ext = line.indexOf(';');
                if (ext >= 0) line = line.left(ext).trimmed();
                chunkLeft_ = ParseCount(line, 16);
                if (chunkLeft_ < 0) {
                    Fail();
                    return;
                }
                if (chunkLeft_ == 0) {
                    Complete();  // trailer lines are not needed
                    return;
                }
                part_ = Part::ChunkData;
                break;
            }
            case Part::ChunkData: {
                const qsizetype take = std::min<qsizetype>(chunkLeft_, pending_.size());
                body_ += pending_.left(take);
                pending_.remove(0, take);
                chunkLeft_ -= take;
                if (chunkLeft_ == 0) part_ = Part::ChunkEnd;
                break;
            }
            case Part::ChunkEnd: {
                const qsizetype end = pending_.indexOf('\n');
                if (end < 0) {
                    if (pending_.size() > 2) Fail();
                    return;
                }
                if (!pending_.left(end).trimmed().isEmpty()) {
                    Fail();
                    return;
                }
                pending_.remove(0, end + 1);
                part_ = Part::ChunkSize;
                break;
            }
        }
    }
    if (state_ == State::Reading && part_ == Part::Body && length_ == 0) Complete();
}

HttpAnswer::State HttpAnswer::Closed() {
    if (state_ != State::Reading) return state_;
    // Only a body without length or chunks ends with the connection.
    if (part_ == Part::Body && length_ < 0) return Complete();
    return Fail();
}

}  // namespace vc
