#include "core/cmdline.h"

namespace vc {

std::string QuoteIfBlank(const std::string& text) {
    if (text.find_first_of(" \t\"") == std::string::npos) return text;
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            out.append(backslashes * 2 + 1, '\\');
            out += '"';
        } else {
            out.append(backslashes, '\\');
            out += c;
        }
        backslashes = 0;
    }
    // Backslashes before the closing quote must not escape it.
    out.append(backslashes * 2, '\\');
    out += '"';
    return out;
}

std::vector<std::string> SplitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::string cur;
    bool inArg = false, quoted = false;
    size_t i = 0;
    const size_t n = line.size();
    while (i < n) {
        char c = line[i];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inArg) {
                args.push_back(cur);
                cur.clear();
                inArg = false;
            }
            ++i;
            continue;
        }
        inArg = true;
        if (c == '\\') {
            size_t count = 0;
            while (i < n && line[i] == '\\') {
                ++count;
                ++i;
            }
            if (i < n && line[i] == '"') {
                cur.append(count / 2, '\\');
                if (count % 2 == 1) {
                    cur += '"';
                    ++i;
                }
            } else {
                cur.append(count, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && i + 1 < n && line[i + 1] == '"') {
                cur += '"';
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        cur += c;
        ++i;
    }
    if (inArg) args.push_back(cur);
    return args;
}

}  // namespace vc
