#include "et/CombinationMethods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <string>

#include "et/Compute.h"
#include "et/Estimates.h"
#include "et/MethodTable.h"
#include "et/PenMon.h"
#include "et/SolarGeometry.h"
#include "et/WorkedExample.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "et/DeBilt.h"
#include "support/SheetBuilder.h"

namespace etp {
namespace {

using DayMethod = double (*)(DayTerms&);

// The two methods that estimate their own global radiation, written out again from the
// published equations: Ra and N by FAO-56 Eqs. 21-25 and 34, the FAO-24 Penman (Doorenbos and
// Pruitt 1977) with its c regression (Frevert et al. 1983), and the FAO-56 net longwave (Eq. 39).
struct Day {
    double Tmin, Tmax, RHmin, RHmax; // [°C], [%]
    double u2;                       // wind at 2 m [m s-1]
    double n;                        // sunshine [h]
    int J;                           // day of the year
    double latitude, z;              // [degrees], [m]
};

struct Sun {
    double Ra, N; // [MJ m-2 d-1], [h]
    double N24;   // [h], with the declination 0.4093 sin(2 pi J / 365 - 1.405) of the FAO-24 longwave
};

Sun SunOf(const Day& d)
{
    const double pi = std::numbers::pi;
    const double phi = d.latitude * pi / 180;
    const double dr = 1 + 0.033 * std::cos(2 * pi * d.J / 365);
    const double delta = 0.409 * std::sin(2 * pi * d.J / 365 - 1.39);
    const double ws = std::acos(-std::tan(phi) * std::tan(delta));
    const double Ra = 24 * 60 / pi * 0.0820 * dr * (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws));
    const double ws24 = std::acos(-std::tan(phi) * std::tan(0.4093 * std::sin(2 * pi * d.J / 365 - 1.405)));
    return {Ra, 24 / pi * ws, 24 / pi * ws24};
}

double E0(double T) { return 0.6108 * std::exp(17.27 * T / (T + 237.3)); } // [kPa], FAO-56 Eq. 11

// delta / (delta + gamma) [-]: delta by FAO-56 Eq. 13; gamma = cp P / (epsilon lambda) with the
// constants of the FAO-24 family: cp 1.0042 J g-1 °C-1, epsilon 0.62189, P = 1013 - 0.1093 z
// mbar, lambda = 2500.8 - 2.3668 T J g-1 (FAO-56's 0.665e-3 P is 1 % larger: 0.004 mm d-1).
double Weight(double T, double z)
{
    const double delta = 10 * 4098 * E0(T) / ((T + 237.3) * (T + 237.3)); // [mbar °C-1]
    const double gamma = 1.0042 * (1013 - 0.1093 * z) / (0.62189 * (2500.8 - 2.3668 * T));
    return delta / (delta + gamma);
}

// FAO-24 Penman with c [mm d-1], Rs = (0.25 + 0.50 n/N) Ra.
double PenFaoSunshineOf(const Day& d)
{
    const auto [Ra, N, N24] = SunOf(d);
    const double T = (d.Tmin + d.Tmax) / 2;
    const double ea = 10 * E0(T);                             // [mbar]
    const double ed = ea * (d.RHmin + d.RHmax) / 200;         // [mbar]
    const double Rs = (0.25 + 0.50 * d.n / N) * Ra / 2.45;    // [mm d-1]
    const double Rnl = 11.71e-8 * std::pow(T + 273, 4) / 59   // sigma T^4, cal cm-2 d-1 -> mm d-1
                     * (0.34 - 0.044 * std::sqrt(ed)) * (0.1 + 0.9 * d.n / N24);
    const double U = d.u2 * 86.4;                             // [km d-1]
    const double W = Weight(T, d.z);
    const double r = 1.5, Ud = d.u2 * 2 * r / (1 + r);        // day/night ratio, daytime wind [m s-1]
    const double c = 0.6817006 + 0.0027864 * d.RHmax + 0.0181768 * Rs - 0.0682501 * Ud + 0.0126514 * r
                   + 0.0097297 * Ud * r + 0.43205e-4 * d.RHmax * Rs * Ud - 0.92118e-7 * d.RHmax * Rs * r;
    return c * (W * (0.75 * Rs - Rnl) + (1 - W) * 0.27 * (1 + U / 100) * (ea - ed));
}

// Priestley-Taylor, alpha 1.26, albedo 0.25 [mm d-1], Rs = kRs sqrt(range) Ra, ea = e0(Tmin);
// Rso = (0.75 + 1e-4 z) Ra, the program's altitude term.
double PriestleyTaylorExtradOf(const Day& d, double range, double krs)
{
    const double Ra = SunOf(d).Ra;
    const double Rs = krs * std::sqrt(range) * Ra;
    const double Rso = (0.75 + 1e-4 * d.z) * Ra;
    const double K4 = (std::pow(d.Tmin + 273.16, 4) + std::pow(d.Tmax + 273.16, 4)) / 2;
    const double Rnl = 4.903e-9 * K4 * (0.34 - 0.14 * std::sqrt(E0(d.Tmin))) * (1.35 * Rs / Rso - 0.35);
    const double ET = 1.26 * Weight((d.Tmin + d.Tmax) / 2, d.z) * (0.75 * Rs - Rnl) / 2.45;
    return ET < 0 ? 0.01 : ET;
}

double ResultOf(DayMethod method, const DailyWeather& D, const SiteDay& S)
{
    DayTerms day(D, S);
    return method(day);
}

// A clear winter day at 60°N (N = 5.56 h, Ra = 2.16 MJ m-2 d-1) in saturated air: the net
// longwave loss exceeds the shortwave gain. Only "P-T" and "PenMon" have a floor of 0.01, and
// it applies below 0 only: at -236 °C the saturation pressure underflows to 0, so W = 0 and
// "P-T" is exactly 0.
TEST(CombinationMethods, NegativeDayAndTheFloor)
{
    const DailyWeather D{.Tmin = -5, .Tmax = 0, .RHmax = 100, .RHmin = 100, .Wind = 100, .Sunshine = 5,
                         .Radiation = ToSingle(0.4)};
    const SiteDay S{.Altitude = 0, .Latitude = 60, .Month = 12, .Day = 15, .Year = 2015};
    EXPECT_EQ(ResultOf(PriestleyTaylor, D, S), 0.01);
    double previous = -2.5;
    EXPECT_EQ(PenMon(DayTerms(D, S), previous), 0.01);
    for (const DayMethod method : {PenFao, PenFaoNoCorrection, PenFaoRadiation}) EXPECT_LT(ResultOf(method, D, S), -0.25);
    EXPECT_EQ(ResultOf(PriestleyTaylor, DailyWeather{.Tmin = -236, .Tmax = -236, .RHmax = 50, .RHmin = 50}, S), 0);
}


// The worked day, 21 June at 45°N and 100 m: n = 10 h, a month whose mean range is the day's 16 °C.
// Neither method reads the radiation column, and "P-T extrad" no humidity.
TEST(CombinationMethods, EstimatedRadiationOnTheWorkedDay)
{
    const Day d{.Tmin = 12, .Tmax = 28, .RHmin = 40, .RHmax = 90, .u2 = 2, .n = 10, .J = 172, .latitude = 45, .z = 100};
    MonthlyTemperatureRange table;
    table.FirstYear = 2015;
    table.entry[6] = 16;
    DailyWeather D = test::WorkedExampleWeather();
    const SiteDay S = test::WorkedExampleSite();
    const double sunshine = PenFaoSunshineOf(d);
    const double extrad = PriestleyTaylorExtradOf(d, 16, 0.16);
    for (const float Radiation : {0.0F, D.Radiation, 30.0F}) {
        D.Radiation = Radiation;
        EXPECT_NEAR(ResultOf(PenFaoSunshine, D, S), sunshine, 0.01) << Radiation;
        DayTerms day(D, S);
        EXPECT_NEAR(PriestleyTaylorExtrad(day, table, 0.16), extrad, 0.01) << Radiation;
    }
    // With its radiation estimated from the sunshine by the default coefficients, "PenFAO" is the same day.
    DailyWeather estimated = D;
    estimated.Radiation = ToSingle(RadiationFromSunshine(10, DaylightHoursFao56(172, 45), ExtraterrestrialRadiation(S), {}) * 0.408);
    EXPECT_EQ(ResultOf(PenFao, estimated, S), ResultOf(PenFaoSunshine, D, S));

    D.RHmin = D.RHmax = 100;
    DayTerms humid(D, S);
    EXPECT_NEAR(PriestleyTaylorExtrad(humid, table, 0.16), extrad, 0.01);
    EXPECT_NEAR(PriestleyTaylorExtrad(humid, table, 0.19), PriestleyTaylorExtradOf(d, 16, 0.19), 0.01);
}

// De Bilt 2018 (52.1°N, 1.9 m, wind at 10 m): every day of both methods within 0.01 mm d-1 of
// the equations, "P-T extrad" on the monthly means of Tmax - Tmin taken here, also with kRs 0.19.
TEST(CombinationMethods, EstimatedRadiationOnDeBilt2018)
{
    const auto file = std::filesystem::path(ETP_SHARED_DATA_DIR) / "stations" / "knmi_debilt_260_2018.txt";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "no shared station data";
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};

    const test::DeBiltSettings deBilt;
    const auto& [columns, units, station] = deBilt;
    MethodSelection methods;
    methods.checked[Method::PenFaoSunshine] = methods.checked[Method::PriestleyTaylorExtrad] = true;

    for (const double krs : {0.16, 0.19}) {
        MeteoSheet sheet;
        ReadTextLines(sheet, bytes);
        double previous = 0;
        const MethodOptions settings{.ptExtradKrs = krs};
        ASSERT_TRUE(Compute(sheet, ComputeSettings{columns, units, station, methods, {}, {}, settings}, previous).done());
        ASSERT_EQ(sheet.cellText(1, 11), "P-T extrad");

        const auto number = [&sheet](int r, int c) { return NumericValue(sheet.cellText(r, c)); };
        std::map<int, std::pair<double, int>> ranges; // month -> sum of ranges, days
        for (int r = 2; r <= 366; ++r) {
            auto& [sum, days] = ranges[DateParts(sheet.cellText(r, 1))->Month];
            sum += number(r, 3) - number(r, 2);
            ++days;
        }
        for (int r = 2; r <= 366; ++r) {
            const int month = DateParts(sheet.cellText(r, 1))->Month;
            const Day d{.Tmin = number(r, 2), .Tmax = number(r, 3), .RHmin = number(r, 4), .RHmax = number(r, 5),
                        .u2 = number(r, 7) * 4.87 / std::log(67.8 * 10 - 5.42), .n = number(r, 8), .J = r - 1,
                        .latitude = 52.1, .z = 1.9};
            EXPECT_NEAR(number(r, 10), PenFaoSunshineOf(d), 0.01) << "PFAOsun, row " << r;
            const double range = ranges[month].first / ranges[month].second;
            EXPECT_NEAR(number(r, 11), PriestleyTaylorExtradOf(d, range, krs), 0.01) << "P-T extrad, row " << r << ", kRs " << krs;
        }
    }
}

} // namespace
} // namespace etp
