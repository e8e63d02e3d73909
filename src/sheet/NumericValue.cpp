#include "sheet/NumericValue.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cmath>
#include <cstdint>
#include <string>

namespace etp {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::size_t kExactDigits = 15; // 10^15 < 2^53: the mantissa is exact

// The sheet's usual cell, a whole text of sign, up to 15 digits and at most one point
// ("12.5", "-3", ".25", "007"): its value, the same that ScanNumber gives, without
// collecting the characters first. False for any other text.
bool PlainDecimal(std::string_view text, double& value)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    const char* const first = p;
    const char* point = nullptr;
    std::uint64_t mantissa = 0; // wraps beyond 19 digits, but then it is not used
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0';
        if (digit < 10) {
            mantissa = mantissa * 10 + digit;
        } else if (*p == '.' && !point) {
            point = p;
        } else {
            return false;
        }
    }
    const auto digits = static_cast<std::size_t>(end - first) - (point ? 1 : 0);
    if (digits == 0 || digits > kExactDigits) return false;
    const auto fractionDigits = point ? static_cast<std::size_t>(end - point - 1) : 0;
    const double magnitude = static_cast<double>(mantissa) / kPow10[fractionDigits];
    value = negative ? -magnitude : magnitude;
    return true;
}

// The number's characters without the skipped blanks; on the stack unless very long.
class NumberBuffer {
public:
    void push(char c)
    {
        if (size_ < sizeof small_) {
            small_[size_++] = c;
            return;
        }
        if (large_.empty()) large_.assign(small_, size_);
        large_ += c;
        ++size_;
    }
    void append(std::string_view text)
    {
        for (char c : text) push(c);
    }
    const char* data() const { return large_.empty() ? small_ : large_.data(); }
    std::size_t size() const { return size_; }
    char front() const { return data()[0]; }
    std::string_view view() const { return {data(), size_}; }

private:
    char small_[64];
    std::size_t size_ = 0;
    std::string large_;
};

struct Scan {
    double value = 0;
    bool hasDigit = false;
    std::size_t end = 0; // first character not taken
};

// Collects the leading number without the skipped blanks into a plain buffer that
// std::from_chars reads; the rule's result is the correctly rounded value of it.
Scan ScanNumber(std::string_view text)
{
    Scan scan;
    NumberBuffer buffer;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skip = [&] {
        while (i < n && IsSkipped(text[i])) ++i;
    };
    skip();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') buffer.push('-');
        ++i;
    }
    bool point = false;
    std::size_t mantissaDigits = 0;
    std::size_t fractionDigits = 0;
    std::uint64_t mantissa = 0; // exact while mantissaDigits <= 19
    while (true) {
        skip();
        if (i >= n) break;
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            buffer.push(c);
            ++mantissaDigits;
            if (point) ++fractionDigits;
            if (mantissaDigits <= 19) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            point = true;
            buffer.push('.');
        } else {
            break;
        }
        ++i;
    }
    scan.end = i;
    if (mantissaDigits == 0) return scan;
    scan.hasDigit = true;

    // Exponent: taken only when at least one digit follows the letter and its sign.
    bool hasExponent = false;
    std::size_t j = i;
    if (j < n && (text[j] == 'E' || text[j] == 'e' || text[j] == 'D' || text[j] == 'd')) {
        ++j;
        auto skipJ = [&] {
            while (j < n && IsSkipped(text[j])) ++j;
        };
        skipJ();
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        std::size_t exponentDigits = 0;
        long exponent = 0;
        while (true) {
            skipJ();
            if (j >= n || text[j] < '0' || text[j] > '9') break;
            // Beyond 99999 the value is 0 or infinite anyway.
            exponent = std::min(exponent * 10 + (text[j] - '0'), 99999L);
            ++exponentDigits;
            ++j;
        }
        if (exponentDigits > 0) {
            char written[16];
            const int length = std::snprintf(written, sizeof written, "e%s%ld", negativeExponent ? "-" : "", exponent);
            buffer.append(std::string_view(written, static_cast<std::size_t>(length)));
            scan.end = j;
            hasExponent = true;
        }
    }

    // Most cells are short decimals: a mantissa below 2^53 divided by an exact power of
    // ten is one correctly rounded division, the value from_chars would give.
    if (!hasExponent && mantissaDigits <= kExactDigits && fractionDigits <= 22) {
        const double magnitude = static_cast<double>(mantissa) / kPow10[fractionDigits];
        scan.value = buffer.front() == '-' ? -magnitude : magnitude;
        return scan;
    }

    const char* first = buffer.data();
    const char* last = buffer.data() + buffer.size();
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small: infinity or zero with the number's sign.
        const bool negative = buffer.front() == '-';
        const auto e = buffer.view().find('e');
        const bool tiny = e != std::string_view::npos && buffer.view().find('-', e) != std::string_view::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        if (negative) value = -value;
    }
    scan.value = value;
    return scan;
}

} // namespace

double NumericValue(std::string_view text)
{
    double value = 0;
    if (PlainDecimal(text, value)) return value;
    return ScanNumber(text).value;
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

} // namespace etp
