#include "sheet/PositionalDate.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "sheet/DecimalText.h"

namespace etp {

// Characters 1-2, 4-5 and 7-8, whatever stands there: "6/7/95" has month "/9" and no year.
TEST(ReadDateByPosition, DayMonthYearByCharacters)
{
    const std::pair<const char*, std::tuple<int, int, int>> cases[] = {
        {"05/03/98", {5, 3, 98}}, {"6/7/95", {6, 7, 95}}, {"05/03/1998", {5, 3, 98}}, {"1998-03-05", {5, 3, 98}},
        {"31/02/95", {31, 2, 95}}, {"", {0, 0, 0}}}; // the last two are no dates: read by position
    for (const auto& [text, expected] : cases) {
        const PositionalDate date = ReadDateByPosition(text);
        EXPECT_EQ(std::make_tuple(date.day, date.month, date.year), expected) << text;
    }
}

TEST(PositionalDayOfYear, NoLeapDayAndMonthZero)
{
    const std::tuple<int, int, int> cases[] = {{1, 1, 1}, {31, 12, 365}, {29, 2, 60}, {1, 3, 60}, {6, 0, 6}};
    for (const auto& [day, month, expected] : cases) EXPECT_EQ(PositionalDayOfYear(day, month), expected) << day << "/" << month;
    EXPECT_FALSE(PositionalDayOfYear(1, 13));
    EXPECT_FALSE(PositionalDayOfYear(1, -1));
}

TEST(DecimalText, ShortestWithFifteenDigits)
{
    const std::pair<double, const char*> cases[] = {
        {2.4 + 50, "52.4"}, {55 * 75.0 / 100, "41.25"}, {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {1e20, "1E+20"}, {-3, "-3"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(DecimalText(value), text) << value;
}

} // namespace etp
