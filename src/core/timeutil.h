#pragma once
// Durations as the program passes them around: "HH:MM:SS" texts and whole seconds.
#include <cstdint>
#include <string>

namespace vc {

// "HH:MM:SS" with at least two digits per field; negative fields keep their sign.
std::string SecondsToHms(int32_t s);
// Characters 1-2, 4-5, 7-8 as hours, minutes, seconds; 0 when any is not a number.
int32_t HmsToSeconds(const std::string& text);

// The duration text of a medium whose length the probe could not tell (a raw stream).
inline constexpr const char* kUnknownDurationText = "--:--:--";
// Whether a duration text is a time "HH:MM:SS" (two or more digits for the hours).
bool IsKnownDuration(const std::string& text);

}  // namespace vc
