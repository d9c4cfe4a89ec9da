#pragma once
// Time and number helpers shared by every part of the program.
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

// a * b / d with a 64-bit intermediate, rounded to nearest, halves away from zero.
// Returns -1 when d is 0, like the platform function it stands in for.
int32_t MulDiv(int32_t a, int32_t b, int32_t d);

// Nearest integer, halves to even (banker's rounding).
int64_t RoundHalfEven(double v);
// Nearest integer, halves away from zero.
int64_t RoundHalfAway(double v);

// Strict decimal integer (optional sign, digits only); false when text is not one.
bool ParseInt(const std::string& text, int64_t& out);

}  // namespace vc
