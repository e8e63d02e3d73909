#include "et/ResultFormat.h"

#include <gtest/gtest.h>

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

} // namespace etp
