#include "core/failurereason.h"

#include <csignal>

#include "core/progress.h"
#include "core/uilanguage.h"

namespace vc {

namespace {

// A reason taken from a line is cut to this length: a hostile encoder may print anything.
constexpr std::size_t kMaxReasonLength = 200;

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool Contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

// The line without its line end and trailing blanks.
std::string Chomp(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' ' ||
                             line.back() == '\t'))
        line.pop_back();
    return line;
}

// Without a leading log prefix such as "[mp4 @ 0x55d0c1e0] ".
std::string WithoutLogPrefix(std::string line) {
    while (line.size() > 1 && line[0] == '[') {
        const std::size_t close = line.find("] ");
        if (close == std::string::npos) break;
        line.erase(0, close + 2);
    }
    return line;
}

// Lines ffmpeg prints about the media and the run rather than about a problem. Indented lines
// belong to the dump of an input or output (streams, tags).
bool IsDumpLine(const std::string& line) {
    return !line.empty() && (line[0] == ' ' || line[0] == '\t' || StartsWith(line, "Input #") ||
                             StartsWith(line, "Output #") || StartsWith(line, "Stream mapping:"));
}

bool IsNoise(const std::string& line) {
    static const char* const kPrefixes[] = {
        "ffmpeg version", "Press [q]",  "Conversion failed!", "To ignore this, add a trailing",
        "video:",         "built with",
    };
    for (const char* p : kPrefixes)
        if (StartsWith(line, p)) return true;
    return line.empty() || IsProgressLine(line) || IsDumpLine(line);
}

std::string Cut(std::string text) {
    if (text.size() > kMaxReasonLength) text = text.substr(0, kMaxReasonLength) + "...";
    return text;
}

}  // namespace

std::string ExplainEncoderFailure(const std::vector<std::string>& lastLines, int exitCode) {
    if (exitCode == 0) return {};
    if (exitCode == kStoppedEncoderExitCode)
        return Translate("FailureReason", "the encoder was stopped").toStdString();

    std::vector<std::string> lines;
    lines.reserve(lastLines.size());
    for (const auto& l : lastLines) lines.push_back(Chomp(l));

    for (const auto& l : lines)
        if (!IsDumpLine(l) &&
            (EndsWith(l, ": No space left on device") || EndsWith(l, ": Disk quota exceeded")))
            return Translate("FailureReason", "the disk is full").toStdString();

    // "PATH: No such file or directory" names the input when nothing of the input's dump came
    // before it, else the output.
    bool inputOpened = false;
    for (const auto& raw : lines) {
        if (IsDumpLine(raw)) inputOpened = true;
        const std::string l = WithoutLogPrefix(raw);
        const bool missing = EndsWith(l, ": No such file or directory");
        const bool refused =
            EndsWith(l, ": Permission denied") || EndsWith(l, ": Read-only file system");
        if ((missing || refused) && !inputOpened)
            return Translate("FailureReason", "the source cannot be read").toStdString();
        if (missing) return Translate("FailureReason", "the output folder is gone").toStdString();
        if (refused)
            return Translate("FailureReason", "the output folder cannot be written").toStdString();
    }

    for (const auto& raw : lines) {
        const std::string l = WithoutLogPrefix(raw);
        if (StartsWith(l, "Output file #") && Contains(l, "does not contain any stream"))
            return Translate("FailureReason", "the source has no sound").toStdString();
        if (StartsWith(l, "Stream map '") && EndsWith(l, "matches no streams.")) {
            const std::size_t q = l.find('\'', 12);
            const std::string map = l.substr(12, q == std::string::npos ? 0 : q - 12);
            return Contains(map, ":v") || Contains(map, ":V")
                       ? Translate("FailureReason", "the source has no picture").toStdString()
                       : Translate("FailureReason", "the source has no sound").toStdString();
        }
    }

    for (const auto& raw : lines) {
        const std::string l = WithoutLogPrefix(raw);
        if (EndsWith(l, ": Invalid data found when processing input") ||
            StartsWith(l, "moov atom not found") || StartsWith(l, "Error: the input file") ||
            StartsWith(l, "Error: cannot read the input"))
            return Translate("FailureReason", "the source cannot be read").toStdString();
    }

    for (const auto& l : lines)
        if (StartsWith(l, "Exiting normally, received signal"))
            return Translate("FailureReason", "the encoder was stopped").toStdString();
    // Ended by a signal (128 + its number from the encoder, 255 from the runner).
    if (exitCode == 255 || exitCode == 128 + SIGKILL || exitCode == 128 + SIGTERM ||
        exitCode == 128 + SIGINT || exitCode == 128 + SIGHUP)
        return Translate("FailureReason", "the encoder was stopped").toStdString();

    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const std::string l = WithoutLogPrefix(*it);
        if (!IsNoise(*it) && !IsNoise(l)) return Cut(l);
    }
    return Translate("FailureReason", "the encoder ended with exit code %1")
        .arg(exitCode)
        .toStdString();
}

}  // namespace vc
