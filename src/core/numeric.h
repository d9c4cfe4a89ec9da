#pragma once
// Number helpers: integer scaling and rounding as the program's displays need them, and a
// strict integer reader.
#include <cstdint>
#include <string>

namespace vc {

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
