#include "et/TermMemo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <future>
#include <vector>

#include "base/ArithmeticError.h"
#include "et/Fao24Terms.h"
#include "et/Fao56Terms.h"
#include "et/SolarGeometry.h"

namespace etp {

// Only the last key is kept; keys are compared bit for bit (0 and -0 compare equal but are
// different arguments); a formula that throws keeps nothing.
TEST(TermMemo, LastKeyBitForBitNothingAfterAThrow)
{
    TermMemo<std::array<float, 2>> memo;
    int runs = 0;
    auto formula = [&] { return static_cast<double>(++runs); };
    EXPECT_EQ(memo({1, 2}, formula), 1);
    EXPECT_EQ(memo({1, 2}, formula), 1);
    EXPECT_EQ(memo({1, 3}, formula), 2);
    EXPECT_EQ(memo({1, 2}, formula), 3);
    EXPECT_EQ(memo({0.0F, 2}, formula), 4);
    EXPECT_EQ(memo({-0.0F, 2}, formula), 5);
    EXPECT_THROW(memo({6, 2}, []() -> double { throw ArithmeticError("test"); }), ArithmeticError);
    EXPECT_EQ(memo({6, 2}, formula), 6); // not the value kept for -0
    EXPECT_EQ(memo({-0.0F, 2}, formula), 7);
}

// Far more temperatures than slots, so that they share slots: every answer is pow's own,
// and an overflow fails each time with the name of the term that asked.
TEST(TermMemo, FourthPowerIsPowForEveryArgument)
{
    std::vector<double> bases;
    for (int tenth = -400; tenth <= 600; ++tenth) bases.push_back(tenth / 10.0 + 273.16);
    for (int round = 0; round < 3; ++round)
        for (std::size_t k = 0; k < bases.size(); k += 1 + static_cast<std::size_t>(round))
            ASSERT_EQ(FourthPower(bases[k], "test"), std::pow(bases[k], 4)) << bases[k];
    for (const char* what : {"PenMon", "NetLongwaveFao56"}) {
        try {
            (void)FourthPower(1e300, what);
            ADD_FAILURE() << "no overflow";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(std::string(error.what()), std::string("overflow in ") + what);
        }
    }
}

namespace {

// A day of the sample station and, for each field of the two records, the same day
// with only that field changed.
struct Day {
    DailyWeather D;
    SiteDay S;
};

Day BaseDay()
{
    return {{.Tmin = 12.5F, .Tmax = 27.25F, .RHmax = 88, .RHmin = 41, .Wind = 190, .Sunshine = 9.5F, .Radiation = 8.1F},
            {.Altitude = 120, .Latitude = 44.5F, .Month = 7, .Day = 14, .Year = 2019}};
}

std::vector<Day> OneFieldChanged()
{
    std::vector<Day> days;
    const std::function<void(Day&)> changes[] = {
        [](Day& d) { d.D.Tmin += 1; },      [](Day& d) { d.D.Tmax += 1; },     [](Day& d) { d.D.RHmax -= 5; },
        [](Day& d) { d.D.RHmin += 5; },     [](Day& d) { d.D.Wind += 40; },    [](Day& d) { d.D.Sunshine -= 2; },
        [](Day& d) { d.D.Radiation -= 1; }, [](Day& d) { d.S.Altitude = 900; }, [](Day& d) { d.S.Latitude = 38; },
        [](Day& d) { d.S.Month = 8; },      [](Day& d) { d.S.Day = 2; },       [](Day& d) { d.S.Year = 2020; },
    };
    for (const auto& change : changes) {
        Day day = BaseDay();
        change(day);
        days.push_back(day);
    }
    return days;
}

// The value a term gives on a thread that has never computed it: no kept value there.
double Fresh(const std::function<double(const Day&)>& term, const Day& day)
{
    return std::async(std::launch::async, [&] { return term(day); }).get();
}

// Alternating the base day with each changed day, every answer must be the formula's
// own; a key that left out a field the formula reads would hand back the base value.
void ExpectNoStaleValue(const std::function<double(const Day&)>& term, const char* name)
{
    const Day base = BaseDay();
    const double baseValue = Fresh(term, base);
    int fieldsRead = 0;
    for (const Day& changed : OneFieldChanged()) {
        const double changedValue = Fresh(term, changed);
        EXPECT_EQ(term(base), baseValue) << name;
        EXPECT_EQ(term(changed), changedValue) << name;
        EXPECT_EQ(term(changed), changedValue) << name;
        EXPECT_EQ(term(base), baseValue) << name;
        fieldsRead += changedValue != baseValue ? 1 : 0;
    }
    EXPECT_GE(fieldsRead, 1) << name; // the days differ where it matters
}

} // namespace

TEST(TermMemo, EveryKeptTermFollowsEveryFieldItReads)
{
    ExpectNoStaleValue([](const Day& d) { return WeightingFactor(d.D, d.S); }, "WeightingFactor");
    ExpectNoStaleValue([](const Day& d) { return VapourPressureDeficitMbar(d.D); }, "VapourPressureDeficitMbar");
    ExpectNoStaleValue([](const Day& d) { return NetLongwaveFao56(d.D, d.S); }, "NetLongwaveFao56");
    ExpectNoStaleValue([](const Day& d) { return PsychrometricConstant(d.S.Altitude); }, "PsychrometricConstant");
    ExpectNoStaleValue([](const Day& d) { return ExtraterrestrialRadiation(d.S); }, "ExtraterrestrialRadiation");
    ExpectNoStaleValue([](const Day& d) { return DaylightHours(d.S); }, "DaylightHours");
}

// The solar terms keep a year of days per latitude: a whole year at one latitude, then at
// another, then the first again, each day as a thread that never asked would answer it.
// Dates that are no whole day fail every time and leave the kept days alone.
TEST(TermMemo, SolarTermsOverWholeYearsAndLatitudes)
{
    const auto term = [](const Day& d) { return ExtraterrestrialRadiation(d.S) + 100 * DaylightHours(d.S); };
    Day day = BaseDay();
    for (const float latitude : {44.5F, -12.25F, 44.5F, 0.0F, -0.0F})
        for (int month = 1; month <= 12; month += 1)
            for (int dayOfMonth = 1; dayOfMonth <= 31; dayOfMonth += 3) {
                day.S.Latitude = latitude;
                day.S.Month = static_cast<float>(month);
                day.S.Day = static_cast<float>(dayOfMonth);
                const double expected = Fresh(term, day);
                ASSERT_EQ(term(day), expected) << latitude << " " << dayOfMonth << "/" << month;
                ASSERT_EQ(term(day), expected) << latitude << " " << dayOfMonth << "/" << month;
            }
    Day notADay = BaseDay();
    notADay.S.Month = 7.5F;
    for (int k = 0; k < 2; ++k) EXPECT_THROW((void)ExtraterrestrialRadiation(notADay.S), ArithmeticError);
    EXPECT_EQ(term(BaseDay()), Fresh(term, BaseDay()));
}

// A day whose term fails keeps the error, however often it is asked, and the day
// before it is still answered.
TEST(TermMemo, AFailingDayFailsEveryTime)
{
    Day bad = BaseDay();
    bad.D.Radiation = 0;
    bad.S.Latitude = 89.9F; // clear-sky radiation ends in ArcCos's domain check
    const Day good = BaseDay();
    const double goodValue = Fresh([](const Day& d) { return NetLongwaveFao56(d.D, d.S); }, good);
    EXPECT_EQ(NetLongwaveFao56(good.D, good.S), goodValue);
    EXPECT_THROW((void)NetLongwaveFao56(bad.D, bad.S), ArithmeticError);
    EXPECT_THROW((void)NetLongwaveFao56(bad.D, bad.S), ArithmeticError);
    EXPECT_EQ(NetLongwaveFao56(good.D, good.S), goodValue);
}

} // namespace etp
