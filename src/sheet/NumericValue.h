#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace etp {

// The one rule by which a text becomes a number: its longest leading decimal number
// (blanks, sign, digits with at most one ".", exponent E or D), 0 when it has no digit.
// Blanks, tabs and line feeds inside that leading part are skipped. A comma is never
// a decimal mark: "12,5" is 12. Never fails; a number beyond the double range is
// +-infinity, which the readers that need a finite value reject.
double NumericValue(std::string_view text);

// True when the whole text, blanks aside, is one decimal number by that rule
// (so "12,5", "n.d." and "" are not).
bool IsNumberText(std::string_view text);
// What a box that takes a number accepts: a number text whose value is within the
// double range.
bool IsFiniteNumberText(std::string_view text);

// A number typed with a decimal comma, as a person used to it types into a box ("1,9",
// " -0,5 "): the same text with a point. Any other text comes back as it is, so that a
// check still quotes it ("1,9,2", "1.000,5", "1,9 m").
std::string WithDecimalPoint(std::string_view text);

// A measurement nobody made: an empty cell, a text without a leading number ("n.d.",
// "NA", "-"), or a logger's missing-value code, a number of exactly -999 or -9999.
// A lone "." is 0: the results' format writes 0 so.
// The one rule for every reader of the weather columns.
bool IsMissingValue(std::string_view text);
// The cell's value by NumericValue, none when IsMissingValue.
std::optional<double> MeasuredValue(std::string_view text);

} // namespace etp
