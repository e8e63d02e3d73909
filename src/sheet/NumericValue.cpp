#include "sheet/NumericValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace etp {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && IsSkipped(text[i])) ++i;
    return i;
}

constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr std::size_t kExactDigits = 15; // 10^15 < 2^53: the mantissa is exact

// The leading number of a text as the rule reads it.
struct Number {
    std::string chars;              // as std::from_chars reads it: no blanks, no plus sign
    std::size_t end = 0;            // first character of the text not taken
    std::size_t digits = 0;         // of the mantissa
    std::size_t fractionDigits = 0; // of those, after the point
    std::uint64_t mantissa = 0;     // the digits without the point; exact up to 19 digits
    bool hasExponent = false;
};

// A sign, then digits with at most one point; blanks may stand before and among them.
void ReadMantissa(std::string_view text, Number& number)
{
    std::size_t i = SkipBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number.chars += '-';
        ++i;
    }
    bool point = false;
    for (i = SkipBlanks(text, i); i < text.size(); i = SkipBlanks(text, i + 1)) {
        const char c = text[i];
        if (IsDigit(c)) {
            number.chars += c;
            ++number.digits;
            if (point) ++number.fractionDigits;
            if (number.digits <= 19) number.mantissa = number.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            point = true;
            number.chars += '.';
        } else {
            break;
        }
    }
    number.end = i;
}

// Where the mantissa ends: the letter E or D, a sign and digits, blanks among them.
// Taken only when at least one digit follows the letter and its sign.
void ReadExponent(std::string_view text, Number& number)
{
    std::size_t i = number.end;
    if (i >= text.size() || !(text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) return;
    i = SkipBlanks(text, i + 1);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long exponent = 0;
    std::size_t digits = 0;
    for (i = SkipBlanks(text, i); i < text.size() && IsDigit(text[i]); i = SkipBlanks(text, i + 1)) {
        exponent = std::min(exponent * 10 + (text[i] - '0'), 99999L); // beyond it the value is 0 or infinite anyway
        ++digits;
    }
    if (digits == 0) return;
    number.chars += negative ? "e-" : "e";
    number.chars += std::to_string(exponent);
    number.end = i;
    number.hasExponent = true;
}

// The correctly rounded value of the number.
double Value(const Number& number)
{
    const bool negative = number.chars.front() == '-';
    // Most cells are short decimals: a mantissa below 2^53 divided by an exact power of
    // ten is one correctly rounded division, the value from_chars would give.
    if (!number.hasExponent && number.digits <= kExactDigits) {
        const double magnitude = static_cast<double>(number.mantissa) / kPow10[number.fractionDigits];
        return negative ? -magnitude : magnitude;
    }
    const std::string_view chars = number.chars;
    double value = 0;
    if (std::from_chars(chars.data(), chars.data() + chars.size(), value).ec != std::errc::result_out_of_range)
        return value;
    // Too large or too small: infinity or zero with the number's sign.
    const auto e = chars.find('e');
    const bool tiny = e != std::string_view::npos && chars.find('-', e) != std::string_view::npos;
    value = tiny ? 0.0 : HUGE_VAL;
    return negative ? -value : value;
}

struct Scan {
    double value = 0;
    bool hasDigit = false;
    std::size_t end = 0; // first character not taken
};

Scan ScanNumber(std::string_view text)
{
    Number number;
    ReadMantissa(text, number);
    if (number.digits == 0) return {.value = 0, .hasDigit = false, .end = number.end};
    ReadExponent(text, number);
    return {.value = Value(number), .hasDigit = true, .end = number.end};
}

} // namespace

double NumericValue(std::string_view text) { return ScanNumber(text).value; }

bool IsNumberText(std::string_view text)
{
    const Scan scan = ScanNumber(text);
    if (!scan.hasDigit) return false;
    for (std::size_t i = scan.end; i < text.size(); ++i)
        if (!IsSkipped(text[i]) && text[i] != '\r') return false;
    return true;
}

bool IsFiniteNumberText(std::string_view text) { return IsNumberText(text) && std::isfinite(NumericValue(text)); }

} // namespace etp
