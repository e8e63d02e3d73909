#include "et/ResultFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace etp {

namespace {

// True when value * 100 lies exactly halfway between two whole numbers: then value has
// at most three decimals, value * 1000 is a whole number ending in 5, and the product
// is exact.
bool IsExactHalf(double value)
{
    const double scaled = value * 1000;
    if (scaled != std::floor(scaled) || std::fma(value, 1000, -scaled) != 0) return false;
    return std::fmod(std::fabs(scaled), 10) == 5;
}

} // namespace

int FormatResult(double value, char* buffer)
{
    // Correctly rounded from the exact binary value; only exact halves need a nudge,
    // since to_chars rounds them to even.
    double magnitude = std::fabs(value);
    char digits[kResultBufferSize];
    auto result = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::fixed, 2);
    std::size_t length = static_cast<std::size_t>(result.ptr - digits);
    if (IsExactHalf(magnitude)) {
        const double up = (std::floor(magnitude * 100) + 1) / 100;
        result = std::to_chars(digits, digits + sizeof digits, up, std::chars_format::fixed, 2);
        length = static_cast<std::size_t>(result.ptr - digits);
    }
    // digits is "I.FF"; drop a leading lone 0 and trailing zeros of the decimals.
    std::string_view text(digits, length);
    const bool zero = text.find_first_not_of("0.") == std::string_view::npos;
    if (text.substr(0, 2) == "0.") text.remove_prefix(1);
    while (text.back() == '0') text.remove_suffix(1);

    int n = 0;
    if (value < 0 && !zero) buffer[n++] = '-';
    std::memcpy(buffer + n, text.data(), text.size());
    n += static_cast<int>(text.size());
    buffer[n] = '\0';
    return n;
}

std::string FormatResult(double value)
{
    char buffer[kResultBufferSize];
    const int n = FormatResult(value, buffer);
    return std::string(buffer, static_cast<std::size_t>(n));
}

} // namespace etp
