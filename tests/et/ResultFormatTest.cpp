#include "et/ResultFormat.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <ios>
#include <string>
#include <utility>

namespace etp {

// "##.##": hundredths rounded half away from zero by the exact binary value (2.675 is
// 2.67499999999999982...), no leading zero, trailing zeros dropped, the point always there.
TEST(FormatResult, HashPatternOfTheBinaryValue)
{
    const std::pair<double, const char*> cases[] = {
        {4.5, "4.5"}, {0.25, ".25"}, {4, "4."}, {0, "."}, {-0.123, "-.12"}, {-0.004, "."}, {-0.0, "."},
        {99.999, "100."}, {0.125, ".13"}, {-0.125, "-.13"}, {2.675, "2.67"},
        {1e20, "100000000000000000000."}, {9999999999999.995, "9999999999999.99"},
        {10000000000000.125, "10000000000000.13"}, {-123456789012345.0, "-123456789012345."},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatResult(value), text) << value;

    char buffer[kResultBufferSize]; // the buffer form holds the largest double
    const int n = FormatResult(-1.7976931348623157e308, buffer);
    EXPECT_EQ(n, 311); // "-" + 309 digits + "."
    EXPECT_EQ(buffer[0], '-');
    EXPECT_EQ(buffer[n - 1], '.');
}

namespace {

// "##.##" of the exact binary value, from its full decimal expansion: hundredths rounded
// half away from zero, no leading zero, trailing zeros dropped, the point always there.
std::string ExactPattern(double value)
{
    char digits[512];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, 120).ptr;
    const std::string text(digits, end); // exact: 120 places hold every double below 1e13
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string cents = text.substr(point + 1, 2);
    const std::string rest = text.substr(point + 3);
    // Hundredths as a number, then the rest decides: at or above a half rounds up.
    unsigned long long hundredths = std::stoull(whole + cents);
    if (rest[0] >= '5') ++hundredths;
    std::string result = value < 0 && hundredths != 0 ? "-" : "";
    if (hundredths >= 100) result += std::to_string(hundredths / 100);
    result += '.';
    const int c = static_cast<int>(hundredths % 100);
    if (c != 0) result += static_cast<char>('0' + c / 10);
    if (c % 10 != 0) result += static_cast<char>('0' + c % 10);
    return result;
}

} // namespace

// Values of every size below 1e13, and the doubles next to each half hundredth, where
// the last bit decides.
TEST(FormatResult, AgreesWithTheExactDecimalValue)
{
    std::uint64_t state = 99;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 11;
    };
    for (int k = 0; k < 20000; ++k) {
        const double scale = std::pow(10.0, static_cast<double>(next() % 16) - 3); // 1e-3 .. 1e12
        const double value = static_cast<double>(next()) / 9007199254740992.0 * scale * (k % 2 ? 1 : -1);
        ASSERT_EQ(FormatResult(value), ExactPattern(value)) << std::hexfloat << value;
        const double half = (std::floor(value * 100) + 0.5) / 100; // near a half hundredth
        for (const double near : {std::nextafter(half, 0.0), half, std::nextafter(half, 1e300), std::nextafter(half, -1e300)})
            ASSERT_EQ(FormatResult(near), ExactPattern(near)) << std::hexfloat << near;
    }
}

} // namespace etp
