#include "core/languagefile.h"

#include <fstream>

namespace vc {

LanguageLookup ReadLanguageLine(const std::string& path, int id, std::string& text) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return LanguageLookup::FileError;
    std::string line;
    int n = 0;
    while (std::getline(f, line)) {
        if (++n == id) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            text = line;
            return LanguageLookup::Found;
        }
    }
    if (f.bad()) return LanguageLookup::FileError;
    return LanguageLookup::PastEnd;
}

}  // namespace vc
