#include "core/layoutfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "core/uilanguage.h"

namespace vc {

const std::vector<ButtonSpec>& PictureButtonSpecs() {
    static const std::vector<ButtonSpec> buttons = {
        {"bt_dvdopen", QT_TRANSLATE_NOOP("PictureButtons", "Add File"), true, Command::AddFiles},
        {"bt_ifo", QT_TRANSLATE_NOOP("PictureButtons", "Add Folder"), true, Command::AddFolder},
        {"bt_remove", QT_TRANSLATE_NOOP("PictureButtons", "Remove Files"), true, Command::Remove},
        {"bt_clear", QT_TRANSLATE_NOOP("PictureButtons", "Clear file list"), true, Command::Clear},
        {"bt_chapte", QT_TRANSLATE_NOOP("PictureButtons", "Properties"), true, Command::Properties},
        {"bt_set", QT_TRANSLATE_NOOP("PictureButtons", "Settings"), false, Command::Settings},
        {"bt_back", QT_TRANSLATE_NOOP("PictureButtons", "Back"), false, Command::Previous},
        {"bt_play", QT_TRANSLATE_NOOP("PictureButtons", "Play"), true, Command::Play},
        {"bt_playpause", QT_TRANSLATE_NOOP("PictureButtons", "Play"), true, Command::PlayPause},
        {"bt_next", QT_TRANSLATE_NOOP("PictureButtons", "Forward"), true, Command::Next},
        {"bt_playstop", QT_TRANSLATE_NOOP("PictureButtons", "Stop"), true, Command::PlayStop},
        {"bt_cut", QT_TRANSLATE_NOOP("PictureButtons", "Cut"), true, Command::Cut},
        {"bt_images", QT_TRANSLATE_NOOP("PictureButtons", "Save Image"), true, Command::Snapshot},
        {"bt_start", QT_TRANSLATE_NOOP("PictureButtons", "Start conversion"), true,
         Command::Convert},
        {"bt_pause", QT_TRANSLATE_NOOP("PictureButtons", "Pause conversion"), true, Command::Pause},
        {"Bt_Convertstop", QT_TRANSLATE_NOOP("PictureButtons", "Stop conversion"), true,
         Command::Stop},
        {"bt_web", QT_TRANSLATE_NOOP("PictureButtons", "About US"), true, Command::Website},
    };
    return buttons;
}

std::string LayoutDamage(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return Translate("LayoutFile", "it is empty").toStdString();
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
                return Translate("LayoutFile", "line %1 holds binary data")
                    .arg(number)
                    .toStdString();
        const std::size_t b = line.find_first_not_of(" \t\r");
        if (b == std::string::npos || line[b] == ';' || line[b] == '#') continue;
        const std::size_t e = line.find_last_not_of(" \t\r");
        if (line[b] == '[') {
            if (line[e] != ']' || e <= b + 1)
                return Translate("LayoutFile", "line %1 is an unfinished section name")
                    .arg(number)
                    .toStdString();
            sections = true;
        } else if (line.find('=') == std::string::npos || line.find('=') == b) {
            return Translate("LayoutFile",
                             "line %1 is not a section, a key=value pair or a comment")
                .arg(number)
                .toStdString();
        } else if (!sections) {
            return Translate("LayoutFile", "line %1 comes before any section")
                .arg(number)
                .toStdString();
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
        damage = Translate("LayoutFile", "it cannot be read").toStdString();
    } else {
        const QByteArray bytes = file.readAll();
        damage = LayoutDamage(bytes.toStdString());
        if (damage.empty() && !ini_.Load(path))
            damage = Translate("LayoutFile", "it cannot be read").toStdString();
        if (damage.empty()) damage = LayoutMissingControls(ini_);
    }
    if (!damage.empty()) {
        problem_ = Translate("LayoutFile",
                             "The layout file Skin.ini is damaged (%1). The window uses its "
                             "built-in layout; please install the program again.")
                       .arg(QString::fromStdString(damage))
                       .toStdString();
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
