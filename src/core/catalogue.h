#pragma once
// The catalogue of output profiles: number, panel, display name and button kind, and the
// 13 categories of the profile picker.
#include <string>
#include <vector>

namespace vc {

enum class ButtonKind {
    Select,      // a click selects the profile
    SubPanel,    // opens a sub-panel beside the first video page; not selectable
    Picture,     // shown, no click, not selectable
    BlankClick,  // blank slot wired for clicks
    Blank,       // blank slot, no click
};

struct ProfileEntry {
    int id;
    const char* panel;        // panel holding the button, e.g. "pl_video1"
    const char* displayName;  // UTF-8; empty for blank slots
    ButtonKind kind;
    const char* subPanel;  // sub-panel opened by a SubPanel button, else ""
};

constexpr int kProfileCount = 132;

// Entry of profile 1..132; nullptr for any other number.
const ProfileEntry* CatalogueEntry(int id);
// Extension from a display name: after its first "*" up to, not including, its last
// character (case kept: "(*.MP4)" gives ".MP4"). Empty when the name has no "*".
std::string ProfileExtensionOf(const std::string& displayName);
// A number whose button selects it (kind Select or BlankClick).
bool IsSelectableProfile(int id);
// Ids of the buttons on a panel, top to bottom (in "pl_mkv" 128 sits above 127).
std::vector<int> ButtonsOnPanel(const std::string& panel);

// Number ranges other parts test.
inline bool IsGenericProfile(int id) {
    return (id >= 1 && id <= 14) || (id >= 102 && id <= 131);
}
inline bool IsDiscProfile(int id) {
    return id >= 112 && id <= 114;
}
inline bool IsSubPanelProfile(int id) {
    return id >= 102 && id <= 132;
}

struct Category {
    int index;                        // 1..13, the CategoryIndex
    const char* picture;              // "img_gvideo1"
    const char* fileName;             // "video1": images/main/general/img_video1.bmp
    const char* title;                // "Video" (text on the generated picture)
    std::vector<const char*> panels;  // first page first
};

const std::vector<Category>& Categories();
// Category holding a panel (sub-panels belong to category 1); 0 when none.
int CategoryOfPanel(const std::string& panel);
// The 19 profile panels in the order the layout file places them.
const std::vector<const char*>& ProfilePanels();
// The four video sub-panels: pl_avi, pl_mpeg, pl_mp4, pl_mkv.
const std::vector<const char*>& SubPanels();

}  // namespace vc
