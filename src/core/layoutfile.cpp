#include "core/layoutfile.h"

#include <QFileInfo>

namespace vc {

const std::vector<ButtonSpec>& PictureButtonSpecs() {
    static const std::vector<ButtonSpec> specs = {
        {"bt_dvdopen", "Add File", true},        {"bt_ifo", "Add Folder", true},
        {"bt_remove", "Remove Files", true},     {"bt_clear", "Clear file list", true},
        {"bt_chapte", "Properties", true},       {"bt_set", "Settings", false},
        {"bt_back", "Back", false},              {"bt_play", "Play", true},
        {"bt_playpause", "Play", true},          {"bt_next", "Forward", true},
        {"bt_playstop", "Stop", true},           {"bt_cut", "Cut", true},
        {"bt_images", "Save Image", true},       {"bt_start", "Start conversion", true},
        {"bt_pause", "Pause conversion", true},  {"Bt_Convertstop", "Stop conversion", true},
        {"bt_web", "About US", true},
    };
    return specs;
}

bool LayoutFile::Load(const std::string& path) {
    loaded_ = QFileInfo::exists(QString::fromStdString(path)) && ini_.Load(path);
    if (!loaded_) ini_.Load(path);  // keep the path; reads give defaults
    return loaded_;
}

void LayoutFile::Reload() { Load(ini_.Path()); }

std::vector<ButtonLayout> LayoutFile::Buttons() const {
    std::vector<ButtonLayout> out;
    for (const auto& s : PictureButtonSpecs()) {
        ButtonLayout b;
        b.name = s.name;
        b.hint = s.hint;
        b.left = Int(s.name, "Left", 6);
        b.top = Int(s.name, "Top", 6);
        b.width = Int(s.name, "Width", 6);
        b.height = Int(s.name, "Height", 6);
        b.visible = Flag(s.name, "Visible", s.visible);
        out.push_back(b);
    }
    return out;
}

int LayoutFile::Int(const std::string& section, const std::string& key, int def) const {
    return static_cast<int>(ini_.ReadInt(section, key, def));
}

bool LayoutFile::Flag(const std::string& section, const std::string& key, bool def) const {
    return ini_.ReadBool(section, key, def);
}

std::string LayoutFile::Text(const std::string& section, const std::string& key,
                             const std::string& def) const {
    std::string v = ini_.ReadString(section, key, def);
    return v.empty() ? def : v;
}

}  // namespace vc
