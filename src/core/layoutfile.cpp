#include "core/layoutfile.h"

#include <QFile>
#include <QFileInfo>

namespace vc {

const std::vector<ButtonSpec>& PictureButtonSpecs() {
    static const std::vector<ButtonSpec> buttons = {
        {"bt_dvdopen", "Add File", true, Command::AddFiles},
        {"bt_ifo", "Add Folder", true, Command::AddFolder},
        {"bt_remove", "Remove Files", true, Command::Remove},
        {"bt_clear", "Clear file list", true, Command::Clear},
        {"bt_chapte", "Properties", true, Command::Properties},
        {"bt_set", "Settings", false, Command::Settings},
        {"bt_back", "Back", false, Command::Previous},
        {"bt_play", "Play", true, Command::Play},
        {"bt_playpause", "Play", true, Command::PlayPause},
        {"bt_next", "Forward", true, Command::Next},
        {"bt_playstop", "Stop", true, Command::PlayStop},
        {"bt_cut", "Cut", true, Command::Cut},
        {"bt_images", "Save Image", true, Command::Snapshot},
        {"bt_start", "Start conversion", true, Command::Convert},
        {"bt_pause", "Pause conversion", true, Command::Pause},
        {"Bt_Convertstop", "Stop conversion", true, Command::Stop},
        {"bt_web", "About US", true, Command::Website},
    };
    return buttons;
}

std::string LayoutDamage(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) return "it is empty";
    std::size_t start = 0;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) start = 3;  // a byte order mark
    int number = 0;
    bool sections = false;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        for (unsigned char c : line)
            if (c < 0x20 && c != '\t' && c != '\r')
                return "line " + std::to_string(number) + " holds binary data";
        const std::size_t b = line.find_first_not_of(" \t\r");
        if (b == std::string::npos || line[b] == ';' || line[b] == '#') continue;
        const std::size_t e = line.find_last_not_of(" \t\r");
        if (line[b] == '[') {
            if (line[e] != ']' || e <= b + 1)
                return "line " + std::to_string(number) + " is an unfinished section name";
            sections = true;
        } else if (line.find('=') == std::string::npos || line.find('=') == b) {
            return "line " + std::to_string(number) +
                   " is not a section, a key=value pair or a comment";
        } else if (!sections) {
            return "line " + std::to_string(number) + " comes before any section";
        }
    }
    return {};
}

namespace {

// The controls the window cannot work without, and the keys that size them: a layout file
// cut short places them at 6,6 sized 6x6, out of reach.
struct EssentialControl {
    const char* section;
    const char* what;
    std::vector<const char*> keys;
};

const std::vector<EssentialControl>& EssentialControls() {
    static const std::vector<EssentialControl> controls = {
        {"bt_start", "the Convert button", {"Left", "Top", "Width", "Height"}},
        {"Bt_Convertstop", "the Stop button", {"Left", "Top", "Width", "Height"}},
        {"ed_output", "the output folder field", {"Left", "Top", "Width"}},
        {"lv", "the job list", {"Left", "Top", "height", "Width"}},
        {"pl_play", "the preview panel", {"Left", "Top", "Width", "Height"}},
    };
    return controls;
}

}  // namespace

std::string LayoutMissingControls(const IniFile& ini) {
    for (const EssentialControl& c : EssentialControls()) {
        if (!ini.HasSection(c.section))
            return std::string("the section [") + c.section + "] of " + c.what + " is missing";
        for (const char* key : c.keys)
            if (!ini.HasKey(c.section, key))
                return std::string("the section [") + c.section + "] of " + c.what + " has no " +
                       key;
    }
    return {};
}

bool LayoutFile::Load(const std::string& path) {
    problem_.clear();
    const QFileInfo info(QString::fromStdString(path));
    if (!info.exists()) {
        loaded_ = false;
        ini_.Load(path);  // keep the path; reads give defaults
        return false;
    }
    std::string damage;
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        damage = "it cannot be read";
    } else {
        const QByteArray bytes = file.readAll();
        damage = LayoutDamage(bytes.toStdString());
        if (damage.empty() && !ini_.Load(path)) damage = "it cannot be read";
        if (damage.empty()) damage = LayoutMissingControls(ini_);
    }
    if (!damage.empty()) {
        problem_ = "The layout file Skin.ini is damaged (" + damage +
                   "). The window uses its built-in layout; please install the program again.";
        ini_.Load(path);  // keeps the path for Reload
        ini_.LoadFromText(BuiltInLayoutText());
    }
    loaded_ = true;
    return true;
}

void LayoutFile::Reload() {
    Load(ini_.Path());
}

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
