#pragma once
// Reading what the encoder prints about a media file when it is run without an output file.
#include <string>
#include <vector>

#include "core/jobrecords.h"

namespace vc {

// The ten texts one probe run collects. Texts are kept as the encoder printed them (the
// format, sample-rate, channel and frame-rate texts keep their leading blank).
struct ProbeResult {
    std::string pictureSize;         // "640x480"
    std::string videoRate;           // kbit/s
    std::string audioRate;           // kbit/s
    std::string videoFormat;         // codec text of the "Video:" line
    std::string audioFormat;         // codec text of the "Audio:" line
    std::string sampleRate;          // " 44100 Hz"
    std::string channels;            // " stereo"
    std::string frameRate;           // rest of the "Video:" line after its fourth comma
    std::string totalRate;           // kbit/s
    std::string durationText;        // "HH:MM:SS"; kUnknownDurationText when the medium has none
    std::string exactDuration;       // "HH:MM:SS.hh" as the probe printed it
    std::string sampleAspect;        // "32:27" from the shape line; empty when none was printed
    std::vector<MediaTrack> tracks;  // from the track lines, in their order

    void Clear() { *this = ProbeResult(); }
};

// The token just before the first " kb/s" of a line that contains key (at most its last 10
// characters); empty when the key or " kb/s" is missing or a blank stands right before it.
std::string ExtractRateBeforeKbs(const std::string& key, const std::string& line);

// The WxH token around the first "x" after "Video:"; empty when the line has no "Video:" or
// no "x" after it.
std::string ExtractPictureSize(const std::string& line);

// Audio format, sample rate and channels from a line with "Audio:" (untouched otherwise).
void ParseAudioLine(ProbeResult& result, const std::string& line);
// Video format and frame rate from a line with "Video:" (untouched otherwise).
void ParseVideoLine(ProbeResult& result, const std::string& line);

// A probe run of several inputs ends each input's answer with "[[probe-end I S]]": I is the
// input's place in the run from 0, S the status of its probe (0 when it was read). True with
// both numbers for such a line; false for every other line, also for one delivered in part.
bool ParseProbeEnd(const std::string& line, int* index, int* status);
inline constexpr char kProbeEndPrefix[] = "[[probe-end ";

// The sample aspect ratio "a:b" of a shape line ("    Shape #0.0: [SAR 32:27 DAR 16:9]");
// empty for every other line and for one delivered in part.
std::string ExtractSampleAspect(const std::string& line);

// A track line ("    Track #0.1: sound eng ac3 6 default [title]", "    Track file: subtitle
// en subrip text - [/dir/film.en.srt]"); false for every other line and for one delivered in
// part.
bool ParseTrackLine(const std::string& line, MediaTrack* track);

// One line delivery of a probe run. Every delivery runs all steps, so a line delivered
// first in part and later whole ends with the values of the whole line.
void ProbeReadLine(ProbeResult& result, const std::string& line);

}  // namespace vc
