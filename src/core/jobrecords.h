#pragma once
// The two per-job records that stand behind every row of the job list.
#include <cstdint>
#include <string>
#include <vector>

namespace vc {

// A sound track or subtitle of a source: a stream of the file, or a subtitle file beside it.
struct MediaTrack {
    enum class Kind { Sound, Subtitle };
    Kind kind = Kind::Sound;
    int stream = -1;       // the stream's index in the file; -1 for a subtitle file
    std::string language;  // as the file names it ("eng", "de"); "" when unnamed
    std::string codec;     // "ac3", "subrip", "hdmv_pgs_subtitle"
    int channels = 0;      // sound only
    bool picture = false;  // subtitle drawn as pictures, not text
    bool isDefault = false;
    std::string title;
    std::string file;  // the subtitle file's full path
    bool operator==(const MediaTrack&) const = default;
};

// Media information of one job, filled from the probe when the file is added.
struct Toriginalinfo {
    std::string sourcePath;          // full path of the source file
    std::string pictureSize;         // "640x480"; "320x240" when the probe found none
    std::string durationText;        // HH:MM:SS; the trim length once the cut window closes
    std::string exactDuration;       // HH:MM:SS.hh of the whole source, as probed
    std::string spare;               // not used
    std::string videoRate;           // source video kbit/s, decimal
    std::string audioRate;           // source audio kbit/s, decimal
    std::string videoFormat;         // "Video:" line up to its first comma
    std::string audioFormat;         // "Audio:" line up to its first comma
    std::string sampleRate;          // e.g. " 44100 Hz" (leading blank kept)
    std::string channels;            // e.g. " stereo"
    std::string frameRate;           // rest of the "Video:" line after its fourth comma
    std::string sampleAspect;        // "32:27"; empty for square pixels
    std::vector<MediaTrack> tracks;  // sound tracks and subtitles, in the probe's order
};

// The sound track and subtitle a job is converted with.
struct TrackChoice {
    int sound = -1;     // stream index of the chosen sound track; -1: the source's default
    int subtitle = -1;  // place among the job's subtitles (streams, then files); -1: none
    bool subtitleAsTrack = false;  // kept as a track of the output instead of burned in
    bool operator==(const TrackChoice&) const = default;
};

// Trim marks of one job in whole seconds.
struct TrimRecord {
    int32_t total = 0;
    int32_t begin = 0;
    int32_t end = 0;
};

}  // namespace vc
