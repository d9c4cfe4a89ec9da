#include "core/progress.h"

#include <algorithm>
#include <cstdio>

#include "core/numeric.h"
#include "core/timeutil.h"

namespace vc {

bool IsProgressLine(std::string_view line) {
    const std::size_t time = line.find("time=");
    if (time != std::string_view::npos && line.find("bitrate=", time) != std::string_view::npos)
        return true;
    return line.starts_with("frame=") || line.starts_with("size=");
}

int64_t ParseProgressSeconds(const std::string& line) {
    if (!IsProgressLine(line)) return 0;
    static const std::string kTime = "time=";
    const std::size_t p = line.find(kTime);
    const std::size_t b = line.find("bitrate=");
    if (p == std::string::npos || b == std::string::npos || b <= p) return 0;
    const std::size_t from = p + kTime.size();
    const std::size_t dot = line.find('.', from);
    // The "." must lie between "time=" and "bitrate=" (up to the "b" itself).
    if (dot == std::string::npos || dot > b) return 0;
    int64_t v = 0;
    if (!ParseInt(line.substr(from, dot - from), v)) return 0;
    if (v < 0 || v > 100000) return 0;
    return v;
}

std::optional<int> JobProgressValue(int64_t outputSeconds, int64_t lengthSeconds) {
    if (lengthSeconds <= 0) return std::nullopt;
    const int64_t t = std::clamp<int64_t>(outputSeconds, 0, lengthSeconds);
    return static_cast<int>((t * 10000 + lengthSeconds / 2) / lengthSeconds);
}

std::string ProgressPercentText(int value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%05.2f%%", std::clamp(value, 0, 10000) / 100.0);
    return buf;
}

std::string OutputTimeText(int64_t outputSeconds) {
    return SecondsToHms(static_cast<int32_t>(std::clamp<int64_t>(outputSeconds, 0, 359999)));
}

}  // namespace vc
