#include "sheet/NumericValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
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

// The sheet's usual cell, a whole text of sign, up to 15 digits and at most one point
// ("12.5", "-3", ".25", "007"): a mantissa below 2^53 divided by an exact power of ten,
// one correctly rounded division, the value from_chars gives. False for any other text.
bool PlainDecimal(std::string_view text, double& value)
{
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
    std::uint64_t mantissa = 0; // wraps beyond 19 digits, but then it is not used
    std::size_t digits = 0;
    std::size_t point = text.size();
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
            ++digits;
        } else if (text[i] == '.' && point == text.size()) {
            point = i;
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > kExactDigits) return false;
    const std::size_t fractionDigits = point == text.size() ? 0 : text.size() - point - 1;
    const double magnitude = static_cast<double>(mantissa) / kPow10[fractionDigits];
    value = negative ? -magnitude : magnitude;
    return true;
}

// The leading number of a text as the rule reads it.
struct Number {
    bool negative = false;
    std::size_t mantissaEnd = 0;    // first character after the mantissa's digits and blanks
    std::size_t digits = 0;         // of the mantissa
    std::size_t end = 0;            // first character of the text not taken
    bool hasExponent = false;
    bool negativeExponent = false;
    long exponent = 0;
};

// A sign, then digits with at most one point; blanks may stand before and among them.
void ReadMantissa(std::string_view text, Number& number)
{
    std::size_t i = SkipBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    bool point = false;
    for (i = SkipBlanks(text, i); i < text.size(); i = SkipBlanks(text, i + 1)) {
        const char c = text[i];
        if (IsDigit(c)) {
            ++number.digits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    number.mantissaEnd = number.end = i;
}

// Where the mantissa ends: the letter E or D, a sign and digits, blanks among them.
// Taken only when at least one digit follows the letter and its sign.
void ReadExponent(std::string_view text, Number& number)
{
    std::size_t i = number.mantissaEnd;
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
    number.end = i;
    number.hasExponent = true;
    number.negativeExponent = negative;
    number.exponent = exponent;
}

// The correctly rounded value of the number: std::from_chars reads it written plainly,
// the mantissa without its blanks and plus sign, then the exponent.
double Value(std::string_view text, const Number& number)
{
    std::string chars;
    std::copy_if(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(number.mantissaEnd), std::back_inserter(chars),
                 [](char c) { return IsDigit(c) || c == '.' || c == '-'; });
    if (number.hasExponent) chars += (number.negativeExponent ? "e-" : "e") + std::to_string(number.exponent);
    double value = 0;
    if (std::from_chars(chars.data(), chars.data() + chars.size(), value).ec != std::errc::result_out_of_range)
        return value;
    // Too large or too small: infinity or zero with the number's sign.
    value = number.hasExponent && number.negativeExponent ? 0.0 : HUGE_VAL;
    return number.negative ? -value : value;
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
    return {.value = Value(text, number), .hasDigit = true, .end = number.end};
}

} // namespace

double NumericValue(std::string_view text)
{
    double value = 0;
    return PlainDecimal(text, value) ? value : ScanNumber(text).value;
}

bool IsNumberText(std::string_view text)
{
    double value = 0;
    if (PlainDecimal(text, value)) return true;
    const Scan scan = ScanNumber(text);
    if (!scan.hasDigit) return false;
    for (std::size_t i = scan.end; i < text.size(); ++i)
        if (!IsSkipped(text[i]) && text[i] != '\r') return false;
    return true;
}

bool IsFiniteNumberText(std::string_view text) { return IsNumberText(text) && std::isfinite(NumericValue(text)); }

std::string WithDecimalPoint(std::string_view text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), IsSkipped);
    const auto end = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), IsSkipped).base();
    auto digits = first;
    if (digits != end && (*digits == '-' || *digits == '+')) ++digits;
    const auto comma = std::find(digits, end, ',');
    const bool decimalComma = comma != end && end - digits >= 2 && std::all_of(digits, comma, IsDigit) &&
                              std::all_of(comma + 1, end, IsDigit);
    std::string written(text);
    if (decimalComma) written[static_cast<std::size_t>(comma - text.begin())] = '.';
    return written;
}

std::optional<double> MeasuredValue(std::string_view text)
{
    double value = 0;
    if (!PlainDecimal(text, value)) {
        const Scan scan = ScanNumber(text);
        // "." is how a result of 0 is written ("##.##"), in this program's sheets and files.
        if (!scan.hasDigit) return text == "." ? std::optional<double>(0) : std::nullopt;
        value = scan.value;
    }
    if (value == -999 || value == -9999) return std::nullopt;
    return value;
}

bool IsMissingValue(std::string_view text) { return !MeasuredValue(text); }

} // namespace etp
