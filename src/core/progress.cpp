#include "core/progress.h"

#include "core/numeric.h"

namespace vc {

int64_t ParseProgressSeconds(const std::string& line) {
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

}  // namespace vc
