#pragma once
// The texts of the sound track and subtitle boxes of a job, and the choice each entry stands
// for.
#include <string>
#include <vector>

#include "core/jobrecords.h"

namespace vc {

// "German" for "ger"/"deu"/"de"; the code itself when it names no language; "" for none.
std::string LanguageName(const std::string& code);

// The job's sound tracks in the file's order.
std::vector<const MediaTrack*> SoundTracks(const Toriginalinfo& job);
// The job's subtitles: its subtitle streams, then the subtitle files beside it.
std::vector<const MediaTrack*> Subtitles(const Toriginalinfo& job);

// Stream index of the source's default sound track (the first marked default, else the
// first); -1 without sound tracks.
int DefaultSoundStream(const Toriginalinfo& job);
// The stream the choice plays: the chosen one when the job has it, else the default.
int ChosenSoundStream(const Toriginalinfo& job, const TrackChoice& choice);

// "2: German, AC-3 5.1", one per sound track.
std::vector<std::string> SoundEntries(const Toriginalinfo& job);
// Index of the choice's entry in SoundEntries; -1 without sound tracks.
int SoundEntryOf(const Toriginalinfo& job, const TrackChoice& choice);

// "No subtitles", then per subtitle "English (burned in)" and, when the output can keep it,
// "English (as a track)".
struct SubtitleEntry {
    std::string text;
    int subtitle = -1;  // place among Subtitles(); -1 for none
    bool asTrack = false;
};
std::vector<SubtitleEntry> SubtitleEntries(const Toriginalinfo& job, bool outputKeepsTracks);
// Index of the choice's entry; 0 (no subtitles) when the entry is not offered.
int SubtitleEntryOf(const std::vector<SubtitleEntry>& entries, const TrackChoice& choice);

// One line per track for the properties: "Sound 2: German, AC-3 5.1 (default)",
// "Subtitle 1: French, subrip, text", "Subtitle 2: English, film.en.srt".
std::vector<std::string> TrackDescriptions(const Toriginalinfo& job);

// What the preview plays for a choice: the sound track's place among the sound tracks from
// 1, the subtitle's place among the subtitle streams from 1 (a subtitle file comes after
// them), 0 for none.
struct PreviewTracks {
    int sound = 0;
    int subtitle = 0;
    std::string subtitleFile;
};
PreviewTracks PreviewTracksOf(const Toriginalinfo& job, const TrackChoice& choice);

// Outputs that can hold a subtitle track: MKV and MP4.
bool KeepsSubtitleTracks(const std::string& extension);

// Two jobs offer the same entries, so one choice can be set for both.
bool SameTracks(const Toriginalinfo& a, const Toriginalinfo& b);

}  // namespace vc
