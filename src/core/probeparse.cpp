#include "core/probeparse.h"

#include <algorithm>

#include "core/numeric.h"
#include "core/timeutil.h"

namespace vc {

namespace {

constexpr std::size_t kMaxToken = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text after the first comma of the line, without the line's last character (the
// encoder's lines were read with a trailing line end that this drops).
std::string AfterFirstComma(const std::string& line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos) return {};
    std::string r = line.substr(comma + 1);
    if (!r.empty() && comma + 1 < line.size()) r.pop_back();
    return r;
}

// The characters from `from` up to the first comma of the whole line; nothing when the line
// has no comma (a line delivered in part) or the comma comes earlier.
std::string UpToFirstComma(const std::string& line, std::size_t from) {
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos || comma <= from) return {};
    return line.substr(from, comma - from);
}

}  // namespace

std::string ExtractRateBeforeKbs(const std::string& key, const std::string& line) {
    if (line.find(key) == std::string::npos) return {};
    const std::size_t k = line.find(" kb/s");
    if (k == std::string::npos || k == 0) return {};
    const std::size_t lowest = k > kMaxToken ? k - kMaxToken : 0;
    for (std::size_t i = k; i-- > lowest;) {
        if (line[i] == ' ') return line.substr(i + 1, k - i - 1);
    }
    return line.substr(lowest, k - lowest);
}

std::string ExtractPictureSize(const std::string& line) {
    const std::size_t v = line.find("Video:");
    if (v == std::string::npos) return {};
    std::string t = line.substr(v);
    t.pop_back();
    const std::size_t x = t.find('x');
    if (x == std::string::npos) return {};
    const std::size_t lowest = x > kMaxToken ? x - kMaxToken : 0;
    std::size_t start = lowest;
    for (std::size_t i = x; i-- > lowest;) {
        if (t[i] == ' ') {
            start = i + 1;
            break;
        }
    }
    std::size_t end = x + 1;
    while (end < t.size() && end <= x + kMaxToken && IsDigit(t[end])) ++end;
    return t.substr(start, end - start);
}

void ParseAudioLine(ProbeResult& result, const std::string& line) {
    const std::size_t a = line.find("Audio:");
    if (a == std::string::npos) return;
    result.audioFormat = UpToFirstComma(line, a + 7);
    result.sampleRate.clear();
    result.channels.clear();
    std::string r = AfterFirstComma(line);
    std::size_t comma = r.find(',');
    if (comma == std::string::npos) return;
    result.sampleRate = r.substr(0, comma);
    r = r.substr(comma + 1);
    comma = r.find(',');
    if (comma == std::string::npos) return;
    result.channels = r.substr(0, comma);
}

void ParseVideoLine(ProbeResult& result, const std::string& line) {
    const std::size_t v = line.find("Video:");
    if (v == std::string::npos) return;
    result.videoFormat = UpToFirstComma(line, v + 7);
    std::string r = AfterFirstComma(line);
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = r.find(',');
        if (comma != std::string::npos) r = r.substr(comma + 1);
    }
    result.frameRate = r;
}

bool ParseProbeEnd(const std::string& line, int* index, int* status) {
    if (line.rfind(kProbeEndPrefix, 0) != 0) return false;
    std::size_t at = sizeof kProbeEndPrefix - 1;
    auto number = [&](char after, int* out) {
        const std::size_t from = at;
        long value = 0;
        while (at < line.size() && IsDigit(line[at]) && at - from < 9)
            value = value * 10 + (line[at++] - '0');
        if (at == from || at >= line.size() || line[at] != after) return false;
        ++at;
        *out = static_cast<int>(value);
        return true;
    };
    int i = 0, s = 0;
    if (!number(' ', &i) || !number(']', &s) || line.compare(at, std::string::npos, "]") != 0)
        return false;
    *index = i;
    *status = s;
    return true;
}

std::string ExtractSampleAspect(const std::string& line) {
    const std::size_t shape = line.find("Shape #");
    if (shape == std::string::npos) return {};
    const std::size_t sar = line.find("[SAR ", shape);
    if (sar == std::string::npos) return {};
    const std::size_t from = sar + 5;
    const std::size_t end = line.find(' ', from);
    if (end == std::string::npos || line.find(']', end) == std::string::npos) return {};
    std::string text = line.substr(from, end - from);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size() ||
        text.find_first_not_of("0123456789:") != std::string::npos)
        return {};
    return text;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

bool ParseTrackLine(const std::string& line, MediaTrack* track) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    const std::size_t at = text.find("Track ");
    if (at == std::string::npos || text.empty() || text.back() != ']') return false;
    const std::size_t colon = text.find(": ", at);
    const std::size_t open = text.find(" [", colon == std::string::npos ? at : colon);
    if (colon == std::string::npos || open == std::string::npos) return false;
    MediaTrack t;
    const std::string where = text.substr(at + 6, colon - at - 6);
    if (where.rfind("#0.", 0) == 0) {
        int64_t n = -1;
        if (!ParseInt(where.substr(3), n) || n < 0 || n > 100000) return false;
        t.stream = static_cast<int>(n);
    } else if (where != "file") {
        return false;
    }
    std::vector<std::string> tokens;
    std::string fields = text.substr(colon + 2, open - colon - 2);
    for (std::size_t from = 0; from <= fields.size();) {
        const std::size_t blank = std::min(fields.find(' ', from), fields.size());
        tokens.push_back(fields.substr(from, blank - from));
        from = blank + 1;
    }
    if (tokens.size() != 5) return false;
    auto field = [](const std::string& s) { return s == "-" ? std::string() : s; };
    if (tokens[0] == "sound") {
        t.kind = MediaTrack::Kind::Sound;
        int64_t ch = 0;
        if (!ParseInt(tokens[3], ch) || ch < 0 || ch > 64 || t.stream < 0) return false;
        t.channels = static_cast<int>(ch);
    } else if (tokens[0] == "subtitle") {
        t.kind = MediaTrack::Kind::Subtitle;
        if (tokens[3] != "text" && tokens[3] != "picture") return false;
        t.picture = tokens[3] == "picture";
    } else {
        return false;
    }
    t.language = field(tokens[1]);
    if (t.language == "und") t.language.clear();
    t.codec = field(tokens[2]);
    t.isDefault = tokens[4] == "default";
    const std::string inside = Unescaped(text.substr(open + 2, text.size() - open - 3));
    if (t.stream < 0) {
        if (inside.empty()) return false;
        t.file = inside;
    } else {
        t.title = inside;
    }
    *track = std::move(t);
    return true;
}

void ProbeReadLine(ProbeResult& result, const std::string& line) {
    const std::size_t d = line.find("Duration:");
    if (d != std::string::npos) {
        const std::size_t from = d + 10;
        result.durationText = from < line.size() ? line.substr(from, 8) : std::string();
        result.exactDuration =
            from < line.size() ? line.substr(from, line.find(',', from) - from) : std::string();
        // A raw stream has no length ("Duration: N/A"): say so instead of showing "N/A, sta".
        if (result.durationText.rfind("N/A", 0) == 0) result.durationText = kUnknownDurationText;
    }
    if (auto s = ExtractRateBeforeKbs("bitrate:", line); !s.empty()) result.totalRate = s;
    if (auto s = ExtractRateBeforeKbs("Video:", line); !s.empty()) result.videoRate = s;
    if (auto s = ExtractRateBeforeKbs("Audio:", line); !s.empty()) result.audioRate = s;
    if (auto s = ExtractPictureSize(line); !s.empty()) result.pictureSize = s;
    ParseAudioLine(result, line);
    ParseVideoLine(result, line);
    if (auto s = ExtractSampleAspect(line); !s.empty()) result.sampleAspect = s;
    if (MediaTrack t; ParseTrackLine(line, &t)) {
        // A line delivered again (whole after in part) replaces its earlier reading.
        auto same =
            std::find_if(result.tracks.begin(), result.tracks.end(), [&t](const MediaTrack& o) {
                return o.stream == t.stream && (t.stream >= 0 || o.file == t.file);
            });
        if (same != result.tracks.end())
            *same = std::move(t);
        else
            result.tracks.push_back(std::move(t));
    }
}

}  // namespace vc
