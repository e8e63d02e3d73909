#include "et/ResultFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace etp {

namespace {

// Below this the hundredths fit in 52 bits and the fast path is exact.
constexpr double kFastLimit = 1e13;

// |value| * 100 rounded to a whole number, halves away from zero, judged on the exact
// binary value. The product t is off the exact one by half an ulp at most, so where t
// lies more than a few ulps inside the halves around its nearest whole number, that
// number stands; only near a half does fma give the sign of |value| * 100 - half
// without rounding it first.
std::uint64_t Hundredths(double magnitude)
{
    const double t = magnitude * 100;
    const auto whole = static_cast<std::uint64_t>(t + 0.5); // floor: t + 0.5 is not negative
    double n = static_cast<double>(whole);
    const double margin = t * 0x1p-50; // four ulps of t
    if (t - (n - 0.5) > margin && (n + 0.5) - t > margin) return whole;
    if (std::fma(magnitude, 100, -(n - 0.5)) < 0) n -= 1;
    if (std::fma(magnitude, 100, -(n + 0.5)) >= 0) n += 1;
    return static_cast<std::uint64_t>(n);
}

// True when value * 100 lies exactly halfway between two whole numbers.
bool IsExactHalf(double value)
{
    const double scaled = value * 100;
    return std::fma(value, 100, -scaled) == 0 && scaled - std::floor(scaled) == 0.5;
}

// Values of 1e13 and more: to_chars rounds them correctly (halves to even, which only
// exact halves need nudged).
int FormatLarge(double value, char* buffer)
{
    const double magnitude = std::fabs(value);
    char digits[kResultBufferSize];
    const double rounded = IsExactHalf(magnitude) ? (std::floor(magnitude * 100) + 1) / 100 : magnitude;
    const auto result = std::to_chars(digits, digits + sizeof digits, rounded, std::chars_format::fixed, 2);
    std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
    while (text.back() == '0') text.remove_suffix(1);
    int n = 0;
    if (value < 0) buffer[n++] = '-';
    std::memcpy(buffer + n, text.data(), text.size());
    n += static_cast<int>(text.size());
    buffer[n] = '\0';
    return n;
}

} // namespace

int FormatResult(double value, char* buffer)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude < kFastLimit)) return FormatLarge(value, buffer);
    const std::uint64_t hundredths = Hundredths(magnitude);
    int length = 0;
    if (value < 0 && hundredths != 0) buffer[length++] = '-';
    if (hundredths >= 100) {
        const auto result = std::to_chars(buffer + length, buffer + kResultBufferSize, hundredths / 100);
        length = static_cast<int>(result.ptr - buffer);
    }
    buffer[length++] = '.';
    const auto cents = static_cast<int>(hundredths % 100);
    if (cents != 0) {
        buffer[length++] = static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) buffer[length++] = static_cast<char>('0' + cents % 10);
    }
    buffer[length] = '\0';
    return length;
}

std::string FormatResult(double value)
{
    char buffer[kResultBufferSize];
    const int n = FormatResult(value, buffer);
    return std::string(buffer, static_cast<std::size_t>(n));
}

} // namespace etp
