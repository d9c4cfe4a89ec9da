#pragma once
// Reading the encoder's progress lines and turning them into a job's progress.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vc {

// Whether a console line of the encoder is a progress line rather than a message: it carries
// "time=" and, after it, "bitrate=" (ffmpeg's statistics line, also as register.dat rewrites
// it), or it begins like one with "frame=" or "size=" (such a line delivered in part). The
// one rule for the run's log, the reason of a failure and the progress value.
bool IsProgressLine(std::string_view line);

// Whole seconds of the "time=" value of a progress line ("time=12.34 bitrate=" gives 12).
// 0 for a line that is no progress line, when "time=" or a later "bitrate=" is missing, when
// no "." lies between them, when the text before the "." is not a number (the HH:MM:SS form),
// or when it is above 100000.
int64_t ParseProgressSeconds(const std::string& line);

// The progress value, 0..10000 for 0 % .. 100 %, of a job of lengthSeconds whose output has
// reached outputSeconds: rounded to the nearest, halves away from zero, and kept within its
// range. None for a job of unknown length (0 or less): there is no percentage to give.
std::optional<int> JobProgressValue(int64_t outputSeconds, int64_t lengthSeconds);

// The Status cell of a progress value: "05.25%", "100.00%"; values outside 0..10000 are
// shown as their nearest end.
std::string ProgressPercentText(int value);

// The Status cell of a job of unknown length: how far the output has come, "00:01:23".
std::string OutputTimeText(int64_t outputSeconds);

}  // namespace vc
