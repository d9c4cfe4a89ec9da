#pragma once
// Reading the encoder's progress lines.
#include <cstdint>
#include <string>

namespace vc {

// Whole seconds of the "time=" value of a progress line ("time=12.34 bitrate=" gives 12).
// 0 when "time=" or a later "bitrate=" is missing, when no "." lies between them, when the
// text before the "." is not a number (the HH:MM:SS form), or when it is above 100000.
int64_t ParseProgressSeconds(const std::string& line);

}  // namespace vc
