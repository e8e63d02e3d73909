#include "models/FixedWidth.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "base/Refusal.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaxDecimals = 20;
constexpr double kPowerOf10[kMaxDecimals + 1] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9, 1e10,
                                                 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20};

// |value| rounded to a number of decimals, halves away from zero, on its decimal form of
// 15 significant digits: the digits down to the last decimal place, without leading
// zeros (none for 0).
struct RoundedDigits {
    char digit[340]; // room for 1.8e308 and kMaxDecimals more
    int length = 0;

    RoundedDigits(double magnitude, int decimals)
    {
        const double y = magnitude * kPowerOf10[decimals];
        // Most numbers lie far enough from a half for the binary value to round as its
        // 15-digit form does; within 1e-14 of one (4.35 is 4.3499999999999996) it decides.
        // Below 1e15 a cast to a whole number is the floor of these non-negative values.
        if (y < 1e15 && std::fabs(y - static_cast<double>(static_cast<unsigned long long>(y)) - 0.5) > y * 1e-14) {
            const auto whole = static_cast<unsigned long long>(y + 0.5);
            if (whole != 0) length = static_cast<int>(std::to_chars(digit, digit + sizeof digit, whole).ptr - digit);
            return;
        }
        if (magnitude == 0) return;
        char text[40]; // d.dddddddddddddde+ddd
        const char* end =
            std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kSignificantDigits - 1).ptr;
        char significant[kSignificantDigits];
        significant[0] = text[0];
        for (int i = 1; i < kSignificantDigits; ++i) significant[i] = text[i + 1];
        const char* e = text + kSignificantDigits + 2; // past the 'e'
        const bool negativeExponent = *e++ == '-';
        int exponent = 0;
        std::from_chars(e, end, exponent);
        if (negativeExponent) exponent = -exponent;

        const int keep = exponent + 1 + decimals; // digits from the first one to the last decimal place
        if (keep >= kSignificantDigits) {
            std::copy(significant, significant + kSignificantDigits, digit);
            std::fill(digit + kSignificantDigits, digit + keep, '0');
            length = keep;
        } else if (keep >= 0) {
            std::copy(significant, significant + keep, digit);
            length = keep;
            if (significant[keep] >= '5') {
                int i = keep - 1;
                while (i >= 0 && digit[i] == '9') digit[i--] = '0';
                if (i >= 0) {
                    ++digit[i];
                } else {
                    std::copy_backward(digit, digit + length, digit + length + 1);
                    digit[0] = '1';
                    ++length;
                }
            }
        }
    }
};

constexpr bool IsPlaceholder(char c) { return c == '0' || c == '#' || c == '.'; }

} // namespace

NumberPattern::Section NumberPattern::Parse(std::string_view text)
{
    Section section;
    const std::size_t first = text.find_first_of("0#.");
    if (first == std::string_view::npos) {
        section.prefix = text;
        return section;
    }
    const std::size_t last = text.find_last_of("0#.");
    section.prefix = text.substr(0, first);
    section.suffix = text.substr(last + 1);
    const std::string_view digits = text.substr(first, last - first + 1);
    for (const char c : digits)
        if (!IsPlaceholder(c)) throw std::invalid_argument("a literal among the digits of \"" + std::string(text) + "\"");
    const std::size_t point = digits.find('.');
    const std::string_view integer = digits.substr(0, point);
    if (const std::size_t zero = integer.find('0'); zero != std::string_view::npos)
        section.integerZeros = static_cast<int>(integer.size() - zero);
    if (point != std::string_view::npos) {
        section.point = true;
        section.decimals = digits.substr(point + 1);
        if (section.decimals.find('.') != std::string::npos)
            throw std::invalid_argument("two points in \"" + std::string(text) + "\"");
        if (section.decimals.size() > kMaxDecimals)
            throw std::invalid_argument("more than 20 decimals in \"" + std::string(text) + "\"");
    }
    return section;
}

NumberPattern::NumberPattern(std::string_view pattern)
{
    const std::size_t semicolon = pattern.find(';');
    positive_ = Parse(pattern.substr(0, semicolon));
    if (semicolon != std::string_view::npos) {
        twoSections_ = true;
        const std::string_view rest = pattern.substr(semicolon + 1);
        negative_ = Parse(rest.substr(0, rest.find(';')));
    }
}

void NumberPattern::append(std::string& out, double value) const
{
    if (!std::isfinite(value)) throw ArithmeticError("a number beyond the double range has no pattern text");
    const bool negative = value < 0;
    const Section& section = negative && twoSections_ ? negative_ : positive_;
    const int decimals = static_cast<int>(section.decimals.size());
    const RoundedDigits rounded(std::fabs(value), decimals);
    const int integerDigits = std::max(rounded.length - decimals, 0);

    // The field is put together in a buffer and appended at once; literals and leading
    // zeros beyond its room (no pattern of the model files has them) go straight to out.
    constexpr std::size_t kRoom = 64;
    const std::size_t zeros = static_cast<std::size_t>(std::max(section.integerZeros - integerDigits, 0));
    char digits[2 * kRoom + sizeof rounded.digit + 1 + kMaxDecimals];
    int n = 0;
    if (section.prefix.size() + 1 + zeros <= kRoom) {
        n = static_cast<int>(section.prefix.copy(digits, section.prefix.size()));
        if (negative && !twoSections_) digits[n++] = '-';
        std::fill(digits + n, digits + n + zeros, '0');
        n += static_cast<int>(zeros);
    } else {
        out += section.prefix;
        if (negative && !twoSections_) out += '-';
        out.append(zeros, '0');
    }
    std::copy(rounded.digit, rounded.digit + integerDigits, digits + n);
    n += integerDigits;
    if (section.point) digits[n++] = '.';
    // The fraction: zeros where the rounded number has no digit yet, then its digits;
    // trailing zeros of "#" places dropped.
    char* const fraction = digits + n;
    const int leadingZeros = std::max(decimals - rounded.length, 0);
    std::fill(fraction, fraction + leadingZeros, '0');
    std::copy(rounded.digit + integerDigits, rounded.digit + rounded.length, fraction + leadingZeros);
    int end = decimals;
    while (end > 0 && section.decimals[end - 1] == '#' && fraction[end - 1] == '0') --end;
    n += end;
    if (section.suffix.size() <= kRoom) {
        n += static_cast<int>(section.suffix.copy(digits + n, section.suffix.size()));
        out.append(digits, static_cast<std::size_t>(n));
    } else {
        out.append(digits, static_cast<std::size_t>(n));
        out += section.suffix;
    }
}

void NumberPattern::appendFixedWidth(std::string& out, double value) const
{
    const std::size_t start = out.size();
    append(out, value);
    // A text that starts with "0" is never negative, so blanking its zeros is the whole rule.
    for (std::size_t i = start; i < out.size() && out[i] == '0'; ++i) out[i] = ' ';
}

std::string PatternText(double value, std::string_view pattern)
{
    std::string text;
    NumberPattern(pattern).append(text, value);
    return text;
}

std::string FixedWidthText(std::string_view text)
{
    std::string result(text);
    if (NumericValue(text) < 0) return result;
    for (char& c : result) {
        if (c != '0') break;
        c = ' ';
    }
    return result;
}

std::string FixedWidthNumber(double value, std::string_view pattern) { return FixedWidthText(PatternText(value, pattern)); }

void AppendNumberItem(std::string& out, double value)
{
    out += value < 0 ? '-' : ' ';
    out += DecimalText(std::fabs(value));
    out += ' ';
}

} // namespace etp
