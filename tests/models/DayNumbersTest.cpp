#include "models/DayNumbers.h"

#include <gtest/gtest.h>

namespace etp {

namespace {

std::optional<int> DayNumberOf(const char* text, double firstYear) { return DayNumber(ReadDateByPosition(text), firstYear); }

} // namespace

// A month beyond 12 has no day number.
TEST(DayNumber, CountsFromTheFirstYearInYearsOf365Days)
{
    const std::tuple<const char*, double, std::optional<int>> cases[] = {
        {"15/03/95", 95, 74},  {"01/01/95", 95, 1},    {"31/12/95", 95, 365},  {"01/01/96", 95, 366},
        {"29/02/96", 95, 425}, {"01/03/96", 95, 425},  // no leap day: both are day 60 of 1996
        {"5/3/95", 95, 64}, {"1995-03-05", 95, 64},    // any date form: the year modulo 100
        {"05/03/2018", 17, 365 + 64},
        {"01/01/00", 99, 1 - 99 * 365},                // from 99 to 00 the numbers turn negative
        {"01/13/95", 95, std::nullopt},
    };
    for (const auto& [text, firstYear, expected] : cases) EXPECT_EQ(DayNumberOf(text, firstYear), expected) << text;
}

TEST(WeekNumber, FixedSevenDayBlocksFromTheFirstJanuary)
{
    const std::pair<int, int> cases[] = {{0, 1}, {7, 1}, {8, 2}, {364, 52}, {365, 53}, {371, 53}, {372, 54}};
    for (const auto& [day, week] : cases) EXPECT_EQ(WeekNumber(day), week) << "day " << day;
}

} // namespace etp
