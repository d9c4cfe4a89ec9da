#pragma once
// Remembered settings per profile: the chosen entry of each format box, kept in the ini file
// "pro " + the settings file name, one section per profile number.
#include <string>
#include <vector>

#include "core/choicebox.h"
#include "core/profilefile.h"

namespace vc {

inline constexpr const char* kKeySize = "size";
inline constexpr const char* kKeyVideo = "video bitrate";
inline constexpr const char* kKeyAudio = "audio bitrate";
inline constexpr const char* kKeyChannel = "Channel";

// "pro " + the settings file's name ("pro VideoConverter.ini").
std::string ProfileSettingsFileName(const std::string& settingsFileName);

// A profile number that has a section (1..131 except the blank slots).
bool HasRememberedSection(int profileId);
// Audio-only profiles remember only "audio bitrate" and "Channel".
bool IsAudioOnlyProfile(int profileId);
// Default chosen size entry of a profile.
int DefaultSizeIndex(int profileId);

// Writes the chosen index of each of the profile's keys into its section (-1 for a typed size
// or a box without a chosen entry). Nothing for a number without a section. Returns an error
// text when the file cannot be read or written, else empty.
std::string StoreRememberedSettings(const std::string& iniPath, int profileId,
                                    const FormatBoxes& boxes);

// Chooses the remembered (or default) entry of each of the profile's boxes, in the order size,
// video, audio, channel. An index outside a box's list leaves it without a chosen entry, except
// in the size box, which then takes the profile's default size (a typed size is not kept).
// Nothing for a number without a section. Returns an error text when the file exists but
// cannot be read, else empty.
std::string LoadRememberedSettings(const std::string& iniPath, int profileId, FormatBoxes& boxes);

// Changes the chosen profile from `from` (none below 1) to `to`: the boxes of `from` are
// remembered, `to` is selected, its group read from the profile file into the boxes, and its
// remembered entries chosen. What went wrong is added to errors, in order. False when the
// profile file cannot be read: the change ends there, with `to` selected.
bool SwitchProfile(const std::string& profileFile, const std::string& iniPath, int from, int to,
                   ProfileState& state, FormatBoxes& boxes, std::vector<std::string>* errors);

}  // namespace vc
