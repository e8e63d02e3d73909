#pragma once
#include <string>

namespace etp {

// A result as the pattern "##.##" writes it: two decimals at most, no leading zero,
// no trailing zeros, the point always written ("3.46", ".25", "4.", "994.", ".",
// "-.12"). Exact halves round away from zero.
std::string FormatResult(double value);
// The same into a caller's buffer; answers the length. Room for any finite double.
inline constexpr int kResultBufferSize = 400;
int FormatResult(double value, char* buffer);

} // namespace etp
