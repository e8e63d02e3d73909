#include "et/TermMemo.h"

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <vector>

#include "base/ArithmeticError.h"
#include "et/Fao24Terms.h"
#include "et/Fao56Terms.h"

namespace etp {

TEST(TermMemo, SameKeyOnceNewKeyAgain)
{
    TermMemo<std::array<float, 2>> memo;
    int runs = 0;
    auto formula = [&] { return static_cast<double>(++runs); };
    EXPECT_EQ(memo({1, 2}, formula), 1);
    EXPECT_EQ(memo({1, 2}, formula), 1);
    EXPECT_EQ(memo({1, 3}, formula), 2);
    EXPECT_EQ(memo({1, 2}, formula), 3); // only the last key is kept
    EXPECT_EQ(runs, 3);
}

// 0 and -0 compare equal but are different arguments; so are two NaNs with other bits.
TEST(TermMemo, KeysAreComparedBitForBit)
{
    TermMemo<std::array<float, 1>> memo;
    int runs = 0;
    auto formula = [&] { return static_cast<double>(++runs); };
    memo({0.0F}, formula);
    EXPECT_EQ(memo({-0.0F}, formula), 2);
    EXPECT_EQ(runs, 2);
}

TEST(TermMemo, AFormulaThatThrowsKeepsNothing)
{
    TermMemo<std::array<double, 1>> memo;
    EXPECT_EQ(memo({5.0}, [] { return 1.0; }), 1);
    EXPECT_THROW(memo({6.0}, []() -> double { throw ArithmeticError("test"); }), ArithmeticError);
    EXPECT_EQ(memo({6.0}, [] { return 2.0; }), 2); // not the 1 kept for 5
    EXPECT_EQ(memo({5.0}, [] { return 3.0; }), 3);
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

TEST(TermMemo, WeightingFactorFollowsEveryFieldItReads)
{
    ExpectNoStaleValue([](const Day& d) { return WeightingFactor(d.D, d.S); }, "WeightingFactor");
}

TEST(TermMemo, VapourPressureDeficitFollowsEveryFieldItReads)
{
    ExpectNoStaleValue([](const Day& d) { return VapourPressureDeficitMbar(d.D); }, "VapourPressureDeficitMbar");
}

TEST(TermMemo, NetLongwaveFao56FollowsEveryFieldItReads)
{
    ExpectNoStaleValue([](const Day& d) { return NetLongwaveFao56(d.D, d.S); }, "NetLongwaveFao56");
}

TEST(TermMemo, PsychrometricConstantFollowsTheAltitude)
{
    ExpectNoStaleValue([](const Day& d) { return PsychrometricConstant(d.S.Altitude); }, "PsychrometricConstant");
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
