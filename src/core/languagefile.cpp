#include "core/languagefile.h"

#include <fstream>
#include <map>

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

int HintIdFor(const std::string& name) {
    static const std::map<std::string, int> ids = {
        {"dvdopen", 1},       {"ifoopen", 2},     {"profiles", 3},       {"profilestext", 3},
        {"audio", 4},         {"subtitle", 5},    {"video_size", 6},     {"video_quality", 7},
        {"audio_quality", 8}, {"channels", 9},    {"play", 10},          {"pause", 11},
        {"stopplay", 12},     {"play_bar", 13},   {"play_time", 14},     {"chapter", 15},
        {"cutter", 16},       {"converter", 17},  {"stopconverter", 18}, {"browse", 19},
        {"open", 20},         {"openfolder", 21}, {"openfiles", 22},     {"remove", 23},
        {"clear", 24}};
    auto it = ids.find(name);
    return it == ids.end() ? kWelcomeHintId : it->second;
}

}  // namespace vc
