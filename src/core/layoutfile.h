#pragma once
// The layout file Skin.ini: control places, menu offsets, fill widths, web addresses.
#include <string>
#include <vector>

#include "core/command.h"
#include "core/inifile.h"

namespace vc {

struct ButtonLayout {
    std::string name;
    std::string hint;
    int left = 6, top = 6, width = 6, height = 6;
    bool visible = true;
};

struct PlacedRect {
    int left = 6, top = 6, width = 6, height = 6;
    bool visible = true;
};

class LayoutFile {
  public:
    // False when the file does not exist (the caller reports it); values then read as defaults.
    // A file that is there but cannot be read or is damaged (also: cut short, so that a control
    // the window needs has no place) gives the built-in layout (the shipped file) in its place,
    // and Problem() says so.
    bool Load(const std::string& path);
    bool Loaded() const { return loaded_; }
    const std::string& Path() const { return ini_.Path(); }
    // The message for the user when the file was damaged; empty otherwise.
    const std::string& Problem() const { return problem_; }

    // The 17 picture buttons in reading order, with their fixed hints and visible defaults.
    std::vector<ButtonLayout> Buttons() const;

    int Int(const std::string& section, const std::string& key, int def) const;
    bool Flag(const std::string& section, const std::string& key, bool def) const;
    std::string Text(const std::string& section, const std::string& key,
                     const std::string& def) const;

    // Width of a progress fill at 10000: section "Play", "convert" or "CutPlay", key "pos".
    int FillWidth(const std::string& section) const { return Int(section, "pos", 263); }
    // Menu offset of section S: "left" (6), "top" (64).
    int MenuLeft(const std::string& section) const { return Int(section, "left", 6); }
    int MenuTop(const std::string& section) const { return Int(section, "top", 64); }

    // Re-reads the file so that a change takes effect at the next use.
    void Reload();

  private:
    IniFile ini_;
    bool loaded_ = false;
    std::string problem_;
};

// What is wrong with the text of a layout file ("line 3 is not a section, a key=value pair or
// a comment"); empty when it reads as a layout file.
std::string LayoutDamage(const std::string& text);

// Which control the window cannot work without (Convert, Stop, the output field, the job
// list, the preview panel) a layout lacks, or a key that sizes it ("the section [lv] of the
// job list is missing"); empty when all are there.
std::string LayoutMissingControls(const IniFile& ini);

// The shipped layout file's text.
const char* BuiltInLayoutText();

// Fixed button names, hints, visible defaults and the commands they run, in reading order.
struct ButtonSpec {
    const char* name;
    const char* hint;
    bool visible;
    Command command;
};
const std::vector<ButtonSpec>& PictureButtonSpecs();

}  // namespace vc
