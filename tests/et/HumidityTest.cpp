// The day's humidity from each source a series may give, against the values FAO-56
// (Allen et al. 1998) prints in chapter 3: Example 3 (p. 36) and Example 5 (p. 39), with
// e0(18 °C) = 2.064 and e0(25 °C) = 3.168 kPa as Annex 2, Table 2.3 lists them.
#include <gtest/gtest.h>

#include <cmath>

#include "et/Fao56Terms.h"
#include "et/Humidity.h"
#include "support/SheetBuilder.h"

namespace etp {

TEST(Humidity, VapourPressureExamplesOfFao56ChapterThree)
{
    // Example 3: Tmax 24.5, Tmin 15 °C: es = (3.075 + 1.705) / 2 = 2.39 kPa.
    EXPECT_NEAR((SaturationVapourPressure(24.5) + SaturationVapourPressure(15)) / 2, 2.39, 0.005);
    // Example 5: Tmin 18, Tmax 25 °C, RH max 82 %, RH min 54 %.
    const DailyWeather D{.Tmin = 18, .Tmax = 25, .RHmax = 82, .RHmin = 54};
    EXPECT_NEAR(ActualVapourPressure(SaturationVapourPressure(18), SaturationVapourPressure(25), D), 1.70, 0.005); // Eq. 17
    EXPECT_NEAR(VapourPressureFromMaximumHumidity(18, 82), 1.69, 0.005); // Eq. 18
    EXPECT_NEAR(VapourPressureFromMeanHumidity(18, 25, 68), 1.78, 0.005); // Eq. 19, RHmean 68 %
    // Eq. 14: a dew point of 18 °C is the vapour pressure saturating air at 18 °C.
    EXPECT_NEAR(VapourPressureFromDewPoint(18), 2.064, 0.0005);
}

// The humidities a source becomes give its ea back through Eq. 17, on a hot and dry day,
// a cold one, and one whose dew point lies above T min (RH max then passes 100 %).
TEST(Humidity, TheExtremesOfAVapourPressureGiveItBack)
{
    for (const auto& [Tmin, Tmax, ea] : {std::tuple{18.0, 25.0, 1.70}, {-8.0, -1.0, 0.30}, {10.0, 24.0, 1.5}}) {
        DailyWeather D{.Tmin = float(Tmin), .Tmax = float(Tmax)};
        SetHumiditiesOfVapourPressure(D, ea);
        EXPECT_NEAR(ActualVapourPressure(SaturationVapourPressure(Tmin), SaturationVapourPressure(Tmax), D), ea, 1e-6);
        EXPECT_LT(D.RHmin, D.RHmax);
    }
    DailyWeather humid{.Tmin = 10, .Tmax = 24};
    SetHumiditiesOfVapourPressure(humid, 1.5); // e0(10 °C) = 1.228 kPa
    EXPECT_NEAR(humid.RHmax, 122.2, 0.1);
}

// The order of preference: a vapour pressure, a dew point, both extremes, RH max alone,
// mean RH; a box of "0" or "?" names no column.
TEST(Humidity, TheFirstSourceTheBoxesName)
{
    const auto source = [](std::initializer_list<std::pair<ColumnBox, const char*>> boxes) {
        ColumnMap columns = testing::FirstEightColumns();
        for (const ColumnBox box : {ColumnBox::RHmin, ColumnBox::RHmax}) columns.set(box, "0");
        for (const auto& [box, text] : boxes) columns.set(box, text);
        return HumiditySourceOf(columns);
    };
    EXPECT_EQ(source({{ColumnBox::Ea, "9"}, {ColumnBox::Tdew, "10"}, {ColumnBox::RHmax, "5"}}), HumiditySource::VapourPressure);
    EXPECT_EQ(source({{ColumnBox::Tdew, "10"}, {ColumnBox::RHmin, "4"}, {ColumnBox::RHmax, "5"}}), HumiditySource::DewPoint);
    EXPECT_EQ(source({{ColumnBox::RHmin, "4"}, {ColumnBox::RHmax, "5"}, {ColumnBox::RHmean, "9"}}), HumiditySource::Extremes);
    EXPECT_EQ(source({{ColumnBox::RHmax, "5"}, {ColumnBox::RHmean, "9"}}), HumiditySource::MaximumOnly);
    EXPECT_EQ(source({{ColumnBox::RHmean, "9"}, {ColumnBox::Tdew, "?"}}), HumiditySource::Mean);
    EXPECT_EQ(source({{ColumnBox::RHmin, "4"}}), HumiditySource::None);
    EXPECT_EQ(source({}), HumiditySource::None);
}

} // namespace etp
