#pragma once
// A film with two sound tracks and a subtitle, and what tests measure in outputs: the tone of
// a sound track and the brightness of a picture.
#include <QByteArray>
#include <string>

namespace vc::test {

// The subtitle of the film: "HELLO" from 2 s to 3 s.
extern const QByteArray kFilmSubtitle;

// A 5 s black 320x240 film "film.mkv" in dir: a 440 Hz sound track (English, the default),
// a 1000 Hz one (German, titled "Zweiton") and a French text subtitle stream (kFilmSubtitle).
// Its subtitle source "cue.srt" stays beside it. "" when ffmpeg failed.
std::string MakeTwoToneFilm(const std::string& dir);

// The tone of a file's first sound track in Hz, from its zero crossings; 0 without sound.
double ToneOf(const std::string& path);
// The brightest pixel (0..255) of a file's picture at `seconds`; -1 without a picture.
int BrightestAt(const std::string& path, double seconds);

}  // namespace vc::test
