#include "et/Compute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <numbers>
#include <string>

#include "et/DeBilt.h"
#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

using testing::SheetOf;
using test::kDeBilt;

// Columns: DATE TMIN TMAX RHMIN RHMAX RAD WIND ELIOF RAIN, results from column 10.
constexpr int kFirstResult = 10;

class MissingData : public ::testing::Test {
protected:
    static MeteoSheet DeBilt() { return test::DeBiltSheet(); }

    void check(std::initializer_list<Method> list)
    {
        for (const Method method : list) methods.checked[method] = true;
    }

    // Each run starts as a fresh program does.
    Outcome run(MeteoSheet& sheet)
    {
        double previous = 0;
        return Compute(sheet, ComputeSettings{columns, units, station, methods, HargreavesCoefficients{}, estimates}, previous);
    }

    static std::string Cell(const MeteoSheet& sheet, int row, int column) { return std::string(sheet.cellText(row, column)); }

    test::DeBiltSettings deBilt; // the boxes and units of the De Bilt layout, also used by the small sheets
    ColumnMap& columns = deBilt.columns;
    UnitSelection& units = deBilt.units;
    StationValues& station = deBilt.station;
    MethodSelection methods;
    EstimateSettings estimates;
};

// FAO-56 Eqs. 21-25 and 34, written out again with the library's acos.
struct Sun {
    double Ra, N; // [MJ m-2 d-1], [h]
};
Sun SunOnDay(int J, double latitudeDegrees)
{
    const double pi = std::numbers::pi;
    const double phi = latitudeDegrees * pi / 180;
    const double dr = 1 + 0.033 * std::cos(2 * pi * J / 365);
    const double delta = 0.409 * std::sin(2 * pi * J / 365 - 1.39);
    const double ws = std::acos(-std::tan(phi) * std::tan(delta));
    const double Ra = 24 * 60 / pi * 0.0820 * dr * (ws * std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::sin(ws));
    return {Ra, 24 / pi * ws};
}

std::string Text(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

} // namespace

// Cells blanked or coded at known rows: the methods that read them leave exactly those rows
// empty, every other cell is the full series' value, and the closing note counts them.
// PenMon's day after the missing temperature starts as a series' first day does.
TEST_F(MissingData, GapsLeaveTheirRowsEmptyAndEveryOtherValueExact)
{
    if (!std::filesystem::exists(kDeBilt)) GTEST_SKIP() << "no shared station data";
    check({Method::PenFao, Method::PenMon, Method::PriestleyTaylor, Method::Hargreaves, Method::Turc, Method::PotentialRadiation});
    MeteoSheet full = DeBilt();
    ASSERT_TRUE(run(full).message.empty());

    // row -> column and the missing text put there
    const std::map<int, std::pair<int, const char*>> gaps = {
        {10, {3, ""}}, {20, {6, "n.d."}}, {30, {7, "-9999"}}, {40, {4, "-999"}}, {50, {8, "NA"}}, {60, {2, "-"}}};
    MeteoSheet gapped = DeBilt();
    for (const auto& [row, gap] : gaps) gapped.setCellText(row, gap.first, gap.second);
    const Outcome outcome = run(gapped);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Done);
    // Each row with its date: the series starts on 01/01/18 in row 2.
    EXPECT_EQ(outcome.message, "PenFAO: 6 days not computed, inputs missing: rows 10 (09/01/18), 20 (19/01/18), 30 (29/01/18), 40 (08/02/18), 50 (18/02/18), 60 (28/02/18)\n"
                               "PenMon: 5 days not computed, inputs missing: rows 10 (09/01/18), 20 (19/01/18), 30 (29/01/18), 40 (08/02/18), 60 (28/02/18)\n"
                               "P-T: 4 days not computed, inputs missing: rows 10 (09/01/18), 20 (19/01/18), 40 (08/02/18), 60 (28/02/18)\n"
                               "Hargr.: 2 days not computed, inputs missing: rows 10 (09/01/18), 60 (28/02/18)\n"
                               "Turc: 3 days not computed, inputs missing: rows 10 (09/01/18), 20 (19/01/18), 60 (28/02/18)");

    // The inputs each gap's column stands for.
    const std::map<int, Inputs> input = {{2, kTemperatureInputs}, {3, kTemperatureInputs}, {4, kHumidityInputs},
                                         {6, kRadiationInput},    {7, kWindInput},         {8, kSunshineInput}};
    const int last = 366;
    ASSERT_EQ(Cell(gapped, last, 1), "31/12/18");
    MeteoSheet restarted = DeBilt(); // the series from the day after the missing temperatures
    for (const int row : {11, 61}) {
        MeteoSheet fromThere = SheetOf({testing::kStationTitles});
        for (int c = 1; c <= 9; ++c) fromThere.setCellText(2, c, gapped.cellText(row, c));
        methods = {};
        check({Method::PenMon});
        run(fromThere);
        check({Method::PenFao, Method::PriestleyTaylor, Method::Hargreaves, Method::Turc, Method::PotentialRadiation});
        EXPECT_EQ(Cell(gapped, row, kFirstResult + 1), Cell(fromThere, 2, kFirstResult)) << "PenMon, row " << row;
    }
    for (int c = kFirstResult; c < kFirstResult + 6; ++c) {
        const Method method = *MethodOfLabel(Cell(gapped, 1, c));
        for (int r = 2; r <= last; ++r) {
            const auto gap = gaps.find(r);
            if (gap != gaps.end() && (Info(method).inputs & input.at(gap->second.first))) {
                EXPECT_EQ(Cell(gapped, r, c), "") << Info(method).label << ", row " << r;
            } else if (!(method == Method::PenMon && (r == 11 || r == 61))) {
                EXPECT_EQ(Cell(gapped, r, c), Cell(full, r, c)) << Info(method).label << ", row " << r;
            }
        }
    }
}

// Radiation from sunshine (Eq. 35) and, without sunshine, from the temperature range (Eq. 50):
// PenMon on an estimated day is PenMon on the same day with the equation's Rs typed in, and a
// year of estimates stays close to the measured radiation's results.
TEST_F(MissingData, EstimatedRadiationIsTheFao56Equations)
{
    if (!std::filesystem::exists(kDeBilt)) GTEST_SKIP() << "no shared station data";
    check({Method::PenMon});
    estimates.radiation = true;
    MeteoSheet full = DeBilt();
    run(full);
    const int last = 366;
    for (const bool sunshine : {true, false}) {
        MeteoSheet estimated = DeBilt();
        MeteoSheet typed = DeBilt();
        for (int r = 2; r <= last; ++r) {
            estimated.setCellText(r, 6, "");
            if (!sunshine) estimated.setCellText(r, 8, "");
            const int J = r - 1; // 2018, from 1 January
            const Sun sun = SunOnDay(J, 52.1);
            const double Tmin = NumericValue(typed.cellText(r, 2)), Tmax = NumericValue(typed.cellText(r, 3));
            const double n = NumericValue(typed.cellText(r, 8));
            const double Rs = sunshine ? (0.25 + 0.50 * n / sun.N) * sun.Ra : 0.16 * std::sqrt(Tmax - Tmin) * sun.Ra;
            typed.setCellText(r, 6, Text(Rs));
        }
        ASSERT_TRUE(run(estimated).done());
        ASSERT_TRUE(run(typed).done());
        EXPECT_EQ(Cell(estimated, 1, 11), "Estimated");
        double squares = 0;
        for (int r = 2; r <= last; ++r) {
            EXPECT_EQ(Cell(estimated, r, 11), sunshine ? "Rs from sunshine" : "Rs from T range") << r;
            EXPECT_EQ(Cell(estimated, r, 10), Cell(typed, r, 10)) << "row " << r;
            const double d = NumericValue(estimated.cellText(r, 10)) - NumericValue(full.cellText(r, 10));
            squares += d * d;
        }
        const double rmse = std::sqrt(squares / (last - 1));
        RecordProperty(sunshine ? "rmse_sunshine" : "rmse_range", Text(rmse));
        std::printf("PenMon RMSE with Rs %s: %.3f mm/day\n", sunshine ? "from sunshine" : "from T range", rmse);
        EXPECT_LT(rmse, 0.5);
    }
}

// Humidity from T min (dew point T min - K0) and wind of 2 m/s give what the same day gives
// with those values measured; temperatures are never estimated.
TEST_F(MissingData, HumidityAndWindEstimatesAndTemperaturesNever)
{
    estimates = {.radiation = true, .humidity = true, .wind = true, .k0 = 2};
    check({Method::PenMon, Method::Hargreaves});
    columns.set(ColumnBox::Sunshine, "0");
    MeteoSheet sheet = SheetOf({testing::kStationTitles, "20/06/95\t12\t28\t\tn.d.\t22\t-999\t\t0",
                                "21/06/95\t12\t\t40\t90\t22\t2\t\t0"});
    station.windHeight = 2;
    ASSERT_TRUE(run(sheet).done());
    EXPECT_EQ(testing::RowText(sheet, 1, kFirstResult), "PenMon\tHargr.\tEstimated");
    EXPECT_EQ(Cell(sheet, 2, 12), "ea from Tmin, wind 2 m/s");
    EXPECT_EQ(testing::RowText(sheet, 3, kFirstResult), ""); // no T max: nothing, and nothing estimated

    // ea = e0(Tmin - K0) by Eq. 17 with RHmax = 100 ea / e0(Tmin) and RHmin = 100 ea / e0(Tmax).
    const auto e0 = [](double T) { return 0.6108 * std::exp(17.27 * T / (T + 237.3)); };
    const double ea = e0(12 - 2);
    MeteoSheet measured = SheetOf({testing::kStationTitles, "20/06/95\t12\t28\t" + Text(100 * ea / e0(28)) + "\t" +
                                                             Text(100 * ea / e0(12)) + "\t22\t2\t\t0"});
    estimates = {};
    ASSERT_TRUE(run(measured).done());
    EXPECT_EQ(Cell(sheet, 2, 10), Cell(measured, 2, 10));
}

// Wrong coefficients are refused before anything is written; a stop before the first value
// takes the estimates' title away with the results'.
TEST_F(MissingData, BadCoefficientsAndEarlyStopsChangeNothing)
{
    check({Method::PenMon});
    MeteoSheet sheet = SheetOf({testing::kStationTitles, "21/06/95\t12\t28\t40\t90\t\t2\t10\t0"});
    station.latitude = 89; // no sunset on 21 June: no daylight hours for the estimate
    estimates = {.radiation = true, .angstromA = 0.6, .angstromB = 0.5};
    Outcome outcome = run(sheet);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Refused);
    EXPECT_EQ(outcome.message, "Angstrom a + b must be at most 1: 1.1");
    estimates.angstromA = 0.25;
    outcome = run(sheet);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Stopped);
    EXPECT_EQ(outcome.message.rfind("Arithmetic error in row 2: ", 0), 0u) << outcome.message;
    EXPECT_EQ(testing::RowText(sheet, 1), testing::kStationTitles);
}

} // namespace etp
