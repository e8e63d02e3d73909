#include "sheet/PositionalDate.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(PositionalDayOfYear(1, 1), 1);
    EXPECT_EQ(PositionalDayOfYear(31, 12), 365);
    EXPECT_EQ(PositionalDayOfYear(29, 2), 60);
    EXPECT_EQ(PositionalDayOfYear(1, 3), 60);
    EXPECT_EQ(PositionalDayOfYear(6, 0), 6);
    EXPECT_FALSE(PositionalDayOfYear(1, 13));
    EXPECT_FALSE(PositionalDayOfYear(1, -1));
}

TEST(DecimalText, ShortestWithFifteenDigits)
{
    EXPECT_EQ(DecimalText(2.4 + 50), "52.4");
    EXPECT_EQ(DecimalText(55 * 75.0 / 100), "41.25");
    EXPECT_EQ(DecimalText(0.1 + 0.2), "0.3");
    EXPECT_EQ(DecimalText(-0.0), "0");
    EXPECT_EQ(DecimalText(1e20), "1E+20");
    EXPECT_EQ(DecimalText(-3), "-3");
}

} // namespace etp
