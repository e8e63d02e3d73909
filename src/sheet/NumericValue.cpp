#include "sheet/NumericValue.h"

#include <charconv>
#include <cmath>
#include <string>

namespace etp {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

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
    std::string buffer;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skip = [&] {
        while (i < n && IsSkipped(text[i])) ++i;
    };
    skip();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') buffer += '-';
        ++i;
    }
    bool point = false;
    std::size_t mantissaDigits = 0;
    while (true) {
        skip();
        if (i >= n) break;
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            buffer += c;
            ++mantissaDigits;
        } else if (c == '.' && !point) {
            point = true;
            buffer += '.';
        } else {
            break;
        }
        ++i;
    }
    scan.end = i;
    if (mantissaDigits == 0) return scan;
    scan.hasDigit = true;

    // Exponent: taken only when at least one digit follows the letter and its sign.
    std::size_t j = i;
    if (j < n && (text[j] == 'E' || text[j] == 'e' || text[j] == 'D' || text[j] == 'd')) {
        ++j;
        auto skipJ = [&] {
            while (j < n && IsSkipped(text[j])) ++j;
        };
        skipJ();
        std::string exponent = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j];
            ++j;
        }
        std::size_t exponentDigits = 0;
        while (true) {
            skipJ();
            if (j >= n || text[j] < '0' || text[j] > '9') break;
            // Keep the exponent within what from_chars can hold; beyond it the value is
            // 0 or infinite anyway.
            if (exponentDigits < 6) exponent += text[j];
            ++exponentDigits;
            ++j;
        }
        if (exponentDigits > 0) {
            buffer += exponent;
            scan.end = j;
        }
    }

    const char* first = buffer.data();
    const char* last = buffer.data() + buffer.size();
    double value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small: infinity or zero with the number's sign.
        const bool negative = buffer.front() == '-';
        const auto e = buffer.find('e');
        const bool tiny = e != std::string::npos && buffer.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : HUGE_VAL;
        if (negative) value = -value;
    }
    scan.value = value;
    return scan;
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

} // namespace etp
