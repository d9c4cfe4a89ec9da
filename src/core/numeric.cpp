#include "core/numeric.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace vc {

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
