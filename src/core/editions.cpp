#include "core/editions.h"

#include <algorithm>

namespace vc {

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    });
    return text;
}

namespace {
bool Has(const std::string& lower, const char* word) {
    return lower.find(word) != std::string::npos;
}
}  // namespace

PickerChoice PickerEdition(const std::string& exeFileName) {
    struct Rule {
        const char* keyword;
        PickerKind kind;
        const char* panel;
    };
    static const Rule kRules[] = {
        {"ipod", PickerKind::SinglePanel, "pl_ipod"},
        {"psp", PickerKind::SinglePanel, "pl_psp"},
        {"iphone", PickerKind::SinglePanel, "pl_iphone"},
        {"3gp", PickerKind::SinglePanel, "pl_phone"},
        {"gphone", PickerKind::SinglePanel, "pl_gphone"},
        {"mp3", PickerKind::SinglePanel, "pl_audio1"},
        {"audio", PickerKind::SinglePanel, "pl_audio1"},
        {"avi", PickerKind::SubPanel, "pl_avi"},
        {"mpeg", PickerKind::SubPanel, "pl_mpeg"},
        {"mp4", PickerKind::SubPanel, "pl_mp4"},
        {"mkv", PickerKind::SubPanel, "pl_mkv"},
        {"wmv", PickerKind::ClosedOnly, ""},
        {"rm", PickerKind::ClosedOnly, ""},
        {"flv", PickerKind::ClosedOnly, ""},
    };
    const std::string lower = LowerAscii(exeFileName);
    for (const Rule& r : kRules)
        if (Has(lower, r.keyword)) return {r.kind, r.panel, r.keyword};
    return {};
}

int DefaultProfileFor(const std::string& exeFileName) {
    struct Rule {
        const char* keyword;
        int profile;
    };
    static const Rule kRules[] = {
        {"avi", 102},   {"mp3", 17},  {"audio", 17}, {"3gp", 69},  {"psp", 53},
        {"mpeg", 110},  {"mp4", 118}, {"mkv", 125},  {"ipod", 27}, {"iphone", 36},
        {"gphone", 41}, {"wmv", 7},   {"rm", 6},     {"flv", 11},
    };
    const std::string lower = LowerAscii(exeFileName);
    for (const Rule& r : kRules)
        if (Has(lower, r.keyword)) return r.profile;
    return 1;
}

bool IsKavrin(const std::string& exeFileName) {
    return Has(LowerAscii(exeFileName), "kavrin");
}

bool IsAudioEdition(const std::string& exeFileName) {
    const std::string lower = LowerAscii(exeFileName);
    return Has(lower, "mp3") || Has(lower, "audio");
}

int EditionPanelLeft(const std::string& exeFileName, int mainPanelLeft) {
    return IsKavrin(exeFileName) ? 88 : mainPanelLeft;
}

}  // namespace vc
