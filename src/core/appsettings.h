#pragma once
// The program's own settings file "<product>.ini": every key it reads and writes, in one
// place, with its default.
#include <string>
#include <vector>

namespace vc {

// More jobs at once than any machine of ours has cores reads as a damaged value.
inline constexpr int kMaxSimultaneous = 256;

struct AppSettings {
    std::string outputPath;      // [output] path
    int profileId = 0;           // [profiles] selcetsubindex
    int categoryIndex = 1;       // [profiles] selcetindex
    int finishAction = 0;        // [profiles] FinishSelcet: 0 nothing, 1 open folder, 2 shut down
    bool videoFirstPage = true;  // [plane] video
    bool audioFirstPage = true;  // [plane] audio
    std::string lastAddFolder;   // [open] folder: where Add File opened last
    int simultaneous = 0;        // [convert] Simultaneous: jobs at once, 0 automatic
    bool lowPriority = true;     // [convert] LowPriority: encoders in the background
    // [window] left, top, width, height, maximized: the main window's normal frame and
    // whether it was maximised; a width of 0 when the edition has not kept one yet.
    int windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0;
    bool windowMaximized = false;
};

// Reads the file; missing keys take the defaults given (profile and output folder) or the
// ones above. A finish action or a number of jobs at once out of range reads as 0.
AppSettings LoadAppSettings(const std::string& path, int defaultProfile,
                            const std::string& defaultOutputPath);
// Writes every key; false when the file cannot be written.
bool SaveAppSettings(const std::string& path, const AppSettings& s);

// Removes what saves cut short left beside the given files: a save writes the new file under
// "<file>.XXXXXX" and renames it over the old one, and a kill between the two leaves it. Call
// it only while no other process saves these files. Returns how many were removed.
int RemoveUnfinishedSaves(const std::vector<std::string>& files);

// "<config>/VideoConverter/<product without its last extension>.ini", and the per-profile
// settings file beside it.
std::string SettingsFilePathFor(const std::string& productName);
std::string ProfileSettingsFilePathFor(const std::string& productName);

}  // namespace vc
