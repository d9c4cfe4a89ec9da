#include "core/timeutil.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vc {

std::string SecondsToHms(int32_t s) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2d:%.2d:%.2d", s / 3600, (s % 3600) / 60, s % 60);
    return buf;
}

bool ParseInt(const std::string& text, int64_t& out) {
    if (text.empty()) return false;
    size_t i = 0;
    if (text[0] == '-' || text[0] == '+') i = 1;
    if (i == text.size()) return false;
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return false;
    errno = 0;
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return false;
    out = v;
    return true;
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

int32_t MulDiv(int32_t a, int32_t b, int32_t d) {
    if (d == 0) return -1;
    int64_t num = static_cast<int64_t>(a) * b;
    int64_t q = num / d;
    int64_t r = num % d;
    // Round half away from zero: compare twice the remainder with the divisor.
    if (2 * std::llabs(r) >= std::llabs(static_cast<int64_t>(d)))
        q += ((num < 0) != (d < 0)) ? -1 : 1;
    return static_cast<int32_t>(q);
}

int64_t RoundHalfEven(double v) {
    return static_cast<int64_t>(std::nearbyint(v));
}

int64_t RoundHalfAway(double v) {
    return static_cast<int64_t>(std::round(v));
}

}  // namespace vc
