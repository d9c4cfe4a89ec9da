#pragma once
// The two per-job records that stand behind every row of the job list.
#include <cstdint>
#include <string>

namespace vc {

// Media information of one job, filled from the probe when the file is added.
struct Toriginalinfo {
    std::string sourcePath;     // full path of the source file
    std::string pictureSize;    // "640x480"; "320x240" when the probe found none
    std::string durationText;   // HH:MM:SS; the trim length once the cut window closes
    std::string exactDuration;  // HH:MM:SS.hh of the whole source, as probed
    std::string spare;          // not used
    std::string videoRate;      // source video kbit/s, decimal
    std::string audioRate;      // source audio kbit/s, decimal
    std::string videoFormat;    // "Video:" line up to its first comma
    std::string audioFormat;    // "Audio:" line up to its first comma
    std::string sampleRate;     // e.g. " 44100 Hz" (leading blank kept)
    std::string channels;       // e.g. " stereo"
    std::string frameRate;      // rest of the "Video:" line after its fourth comma
};

// Trim marks of one job in whole seconds.
struct TrimRecord {
    int32_t total = 0;
    int32_t begin = 0;
    int32_t end = 0;
};

}  // namespace vc
