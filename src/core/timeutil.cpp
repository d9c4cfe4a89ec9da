#include "core/timeutil.h"

#include <algorithm>
#include <cstdio>

#include "core/numeric.h"

namespace vc {

std::string SecondsToHms(int32_t s) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2d:%.2d:%.2d", s / 3600, (s % 3600) / 60, s % 60);
    return buf;
}

int32_t HmsToSeconds(const std::string& text) {
    auto field = [&](size_t pos, int64_t& v) {
        if (text.size() < pos + 2) return ParseInt(text.substr(std::min(pos, text.size())), v);
        return ParseInt(text.substr(pos, 2), v);
    };
    int64_t h = 0, m = 0, s = 0;
    if (!field(0, h) || !field(3, m) || !field(6, s)) return 0;
    return static_cast<int32_t>(h * 3600 + m * 60 + s);
}

bool IsKnownDuration(const std::string& text) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t n = text.size();
    if (n < 8 || text[n - 3] != ':' || text[n - 6] != ':') return false;
    for (std::size_t i = 0; i < n; ++i)
        if (i != n - 3 && i != n - 6 && !digit(text[i])) return false;
    return true;
}

}  // namespace vc
