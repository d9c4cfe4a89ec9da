#include "core/profilesettings.h"

#include <climits>

#include "core/catalogue.h"
#include "core/inifile.h"
#include "core/uilanguage.h"

namespace vc {

std::string ProfileSettingsFileName(const std::string& settingsFileName) {
    return "pro " + settingsFileName;
}

bool HasRememberedSection(int profileId) {
    const ProfileEntry* e = CatalogueEntry(profileId);
    return e && e->displayName[0] != '\0';
}

bool IsAudioOnlyProfile(int profileId) {
    if (profileId >= 15 && profileId <= 25) return true;
    switch (profileId) {
        case 33:
        case 40:
        case 45:
        case 59:
        case 71:
        case 80:
            return true;
        default:
            return false;
    }
}

int DefaultSizeIndex(int profileId) {
    const int id = profileId;
    auto in = [id](int a, int b) { return id >= a && id <= b; };
    if (id == 7 || id == 14 || id == 69 || id == 77 || in(83, 85) || id == 89) return 1;
    if (id == 4 || id == 8 || id == 9 || id == 55 || id == 58 || in(61, 66) || id == 68 ||
        in(91, 97) || id == 110 || id == 111 || in(118, 123))
        return 2;
    if (in(2, 3) || id == 5 || in(6, 13) || id == 99 || id == 100 || in(102, 108) || in(125, 131))
        return 4;
    return 0;
}

namespace {
struct KeyOfBox {
    const char* key;
    ChoiceBox* FormatBoxes::*box;
    int def;
};

std::vector<KeyOfBox> KeysOf(int profileId) {
    std::vector<KeyOfBox> keys;
    if (!IsAudioOnlyProfile(profileId)) {
        keys.push_back({kKeySize, &FormatBoxes::size, DefaultSizeIndex(profileId)});
        keys.push_back({kKeyVideo, &FormatBoxes::video, 2});
    }
    keys.push_back({kKeyAudio, &FormatBoxes::audio, 2});
    keys.push_back({kKeyChannel, &FormatBoxes::channel, 1});
    return keys;
}
}  // namespace

std::string StoreRememberedSettings(const std::string& iniPath, int profileId,
                                    const FormatBoxes& boxes) {
    if (!HasRememberedSection(profileId)) return std::string();
    IniFile ini;
    if (!ini.Load(iniPath))
        return Translate("ProfileSettings", "Cannot read the settings file %1.")
            .arg(QString::fromStdString(iniPath))
            .toStdString();
    const std::string section = std::to_string(profileId);
    for (const KeyOfBox& k : KeysOf(profileId))
        ini.WriteInt(section, k.key, (boxes.*(k.box))->currentIndex());
    if (!ini.Save())
        return Translate("ProfileSettings", "Cannot write the settings file %1.")
            .arg(QString::fromStdString(iniPath))
            .toStdString();
    return std::string();
}

std::string LoadRememberedSettings(const std::string& iniPath, int profileId, FormatBoxes& boxes) {
    if (!HasRememberedSection(profileId)) return std::string();
    IniFile ini;
    std::string error;
    // An unreadable file still gives every box its default.
    if (!ini.Load(iniPath))
        error = Translate("ProfileSettings", "Cannot read the settings file %1.")
                    .arg(QString::fromStdString(iniPath))
                    .toStdString();
    const std::string section = std::to_string(profileId);
    for (const KeyOfBox& k : KeysOf(profileId)) {
        ChoiceBox* box = boxes.*(k.box);
        int64_t v = ini.ReadInt(section, k.key, k.def);
        if (v < INT_MIN || v > INT_MAX) v = -1;
        // A typed size is stored as -1 without its text: an empty size box would fail every
        // job of the next run, so a size that names no entry takes the profile's default.
        if (k.box == &FormatBoxes::size && (v < 0 || v >= box->count())) v = k.def;
        box->setCurrentIndex(static_cast<int>(v));
    }
    return error;
}

bool SwitchProfile(const std::string& profileFile, const std::string& iniPath, int from, int to,
                   ProfileState& state, FormatBoxes& boxes, std::vector<std::string>* errors) {
    auto note = [errors](const std::string& error) {
        if (!error.empty()) errors->push_back(error);
    };
    if (from >= 1) note(StoreRememberedSettings(iniPath, from, boxes));
    SetSelectedProfile(state, to);
    const GroupReadResult r = ReadProfileGroup(profileFile, state, boxes);
    note(r.error);
    // An unreadable file ends the change here; a short one keeps what it could read.
    if (r.reach == GroupReadResult::Reach::FileUnreadable) return false;
    note(LoadRememberedSettings(iniPath, to, boxes));
    return true;
}

}  // namespace vc
