#pragma once
// The profile file "profiles.pop": four lines per profile number N (lines 4N-3..4N): a free
// text, the size list, the five video rates (first for "Lower Quality") or "*" for an
// audio-only profile, and the encoder argument fragment. Reading a group rebuilds the format
// boxes, the video rates and the arguments of the selected profile.
#include <string>
#include <vector>

#include "core/choicebox.h"

namespace vc {

// What the program knows about the selected profile besides the boxes.
struct ProfileState {
    int profileId = -1;
    std::string displayName;  // UTF-8, empty until the first selection
    std::string extension;    // ".avi"; case kept (".MP4")
    // Index = video quality index (0 "Higher Quality" .. 4 "Lower Quality"); "*" in index 0
    // marks an audio-only profile. Entries keep their values until a profile line sets them.
    std::string videoRates[5];
    std::string arguments;
};

inline constexpr const char* kProfileFileName = "profiles.pop";

// Makes N the selected profile: its display name and extension when the catalogue names it,
// else the previous ones stay (blank slots).
void SetSelectedProfile(ProfileState& state, int profileId);

// Tokens of a size or rate line: single blanks separate them, an empty token ends the list,
// and the last token counts only when it has at least two characters.
std::vector<std::string> SplitProfileTokens(const std::string& line);

// Profiles whose quality boxes end with the keep-source entries.
bool OffersKeepSourceQualities(int profileId, const std::string& extension);
// Profiles whose size box ends with "The original width and height".
bool OffersKeepSourceSize(int profileId, const std::string& extension, size_t sizeCount);

struct GroupReadResult {
    // How far the group was read: the file could not be read at all, it ends before the
    // group's last line (or names no such group), or every line was read.
    enum class Reach { FileUnreadable, Short, Complete };
    Reach reach = Reach::Short;
    std::string error;  // empty when complete; otherwise what went wrong, for the user
    bool complete() const { return reach == Reach::Complete; }
};

// Applies group state.profileId of a profile file given as its lines (line 1 first). Parts
// the lines do not reach keep their state; the result then says so.
GroupReadResult ApplyProfileGroup(const std::vector<std::string>& fileLines, ProfileState& state,
                                  FormatBoxes& boxes);

// Reads the file at path and applies the group of state.profileId. A file that cannot be
// opened changes nothing and returns the reason.
GroupReadResult ReadProfileGroup(const std::string& path, ProfileState& state, FormatBoxes& boxes);

// Lines of a text file without their line ends ("\n" or "\r\n"); false when it cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error);

}  // namespace vc
