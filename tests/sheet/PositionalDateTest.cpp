#include "sheet/PositionalDate.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "sheet/DecimalText.h"

namespace etp {

TEST(ReadDateByPosition, DayMonthYearByCharacters)
{
    const PositionalDate date = ReadDateByPosition("05/03/98");
    EXPECT_EQ(date.day, 5);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.year, 98);
    const PositionalDate shortForm = ReadDateByPosition("6/7/95"); // month from "/9"
    EXPECT_EQ(shortForm.day, 6);
    EXPECT_EQ(shortForm.month, 0);
    EXPECT_EQ(ReadDateByPosition("05/03/1998").year, 19);
    EXPECT_EQ(ReadDateByPosition("").day, 0);
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
