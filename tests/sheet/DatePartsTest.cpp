#include "sheet/DateParts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace etp {

TEST(DateParts, DayFirstWithTwoOrFourDigitYears)
{
    const std::pair<const char*, std::tuple<int, int, int>> cases[] = {
        {"05/03/98", {5, 3, 1998}},  {"05/03/1998", {5, 3, 1998}}, {"01/01/00", {1, 1, 2000}}, {"31/12/29", {31, 12, 2029}},
        {"01/01/30", {1, 1, 1930}},  {"21-06-2018", {21, 6, 2018}}, {"21.06.18", {21, 6, 2018}},
        {" 29/02/2000 ", {29, 2, 2000}}, {"29/02/96", {29, 2, 1996}}, {"1/1/95", {1, 1, 1995}},
        {"2020-02-29", {29, 2, 2020}}, {"1995/3/5", {5, 3, 1995}}, // year first: four digits
    };
    for (const auto& [text, expected] : cases) {
        const auto date = DateParts(text);
        ASSERT_TRUE(date) << text;
        EXPECT_EQ(std::make_tuple(date->Day, date->Month, date->Year), expected) << text;
    }
}

TEST(DateParts, RefusesWhatIsNotACalendarDate)
{
    for (const char* text : {"", "DATE", "31/02/95", "29/02/95", "29/02/1900", "00/00/00", "99/99/99", "13/13/13",
                             "1/1", "1/1/", "01/01/199", "01-01/95", "1/1/95x", "//", "123/1/95", "1/1/5",
                             "2019-02-29", "2020-13-01", "2020-01-001", "2020-01/01"})
        EXPECT_FALSE(DateParts(text)) << '"' << text << '"';
}

} // namespace etp
