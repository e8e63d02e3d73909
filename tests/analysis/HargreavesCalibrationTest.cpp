#include "analysis/HargreavesCalibration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "et/Compute.h"
#include "et/OtherMethods.h"
#include "import/TextImport.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"
#include "support/SheetBuilder.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

// Hargreaves with the default coefficients on 60 spring days at 45° N, temperatures
// rising and their range varying, so that no two days give the same value.
std::vector<double> HargreavesSeries(int days)
{
    std::vector<double> H;
    for (int i = 0; i < days; ++i) {
        const DailyWeather D{.Tmin = float(5 + 0.2 * i), .Tmax = float(15 + 0.3 * i + i % 7)};
        const SiteDay S{.Altitude = 100, .Latitude = 45, .Month = float(4 + i / 30), .Day = float(1 + i % 30), .Year = 2001};
        H.push_back(Hargreaves(DayTerms(D, S), HargreavesCoefficients{}));
    }
    return H;
}

// The fit, or an empty one and a test failure naming the refusal.
HargreavesFit Fit(const std::optional<HargreavesFit>& fit, const std::string& failure)
{
    if (!fit) ADD_FAILURE() << failure;
    return fit.value_or(HargreavesFit{});
}

} // namespace

// PenMon exactly k times Hargreaves: the fit scales a by k and leaves no error after.
TEST(FitHargreavesCoefficient, FindsTheFactorOfAProportionalSeries)
{
    const std::vector<double> H = HargreavesSeries(60);
    for (const double k : {0.8, 1.0, 1.37}) {
        std::vector<double> P;
        double meanH = 0;
        for (const double h : H) {
            P.push_back(k * h);
            meanH += h / 60;
        }
        std::string failure;
        const HargreavesFit fit = Fit(FitHargreavesCoefficient(P, H, 0.0023, failure), failure);
        EXPECT_EQ(fit.days, 60);
        EXPECT_NEAR(fit.fittedA, 0.0023 * k, 1e-15) << k;
        EXPECT_NEAR(fit.before.bias, (1 - k) * meanH, 1e-12) << k;
        EXPECT_NEAR(fit.before.rmse, std::abs(1 - k) * std::sqrt([&] {
                                         double s = 0;
                                         for (const double h : H) s += h * h / 60;
                                         return s;
                                     }()),
                    1e-12);
        EXPECT_NEAR(fit.after.bias, 0, 1e-12);
        EXPECT_NEAR(fit.after.rmse, 0, 1e-12);
        EXPECT_NEAR(fit.after.r2, 1, 1e-12);
        EXPECT_EQ(fit.before.r2 < 1, k != 1.0);
    }
}

// 29 common days are refused, 30 are enough; a Hargreaves of 0 throughout has nothing to scale.
TEST(FitHargreavesCoefficient, RefusesTooFewDaysOrNoHargreaves)
{
    const std::vector<double> H = HargreavesSeries(30);
    const std::span<const double> all(H);
    std::string failure;
    EXPECT_FALSE(FitHargreavesCoefficient(all.first(29), all.first(29), 0.0023, failure));
    EXPECT_EQ(failure, "The calibration needs at least 30 days with both PenMon and Hargreaves; the sheet has 29.");
    EXPECT_TRUE(FitHargreavesCoefficient(all, all, 0.0023, failure));
    const std::vector<double> zero(30, 0.0);
    EXPECT_FALSE(FitHargreavesCoefficient(all, zero, 0.0023, failure));
    EXPECT_EQ(failure, "Hargreaves is 0 on every common day or opposite to PenMon: there is no coefficient to fit.");
}

// On a sheet: the days without humidity have no PenMon and are left out, and the sheet
// and the coefficients stay as they were.
TEST(CalibrateHargreaves, CountsTheCommonDaysOnly)
{
    Workbench workbench;
    std::string text = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tRAIN\r\n";
    for (int i = 0; i < 40; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%02d/%02d/01\t%d\t%d\t%s\t%s\t%d\t2\t0\r\n", 1 + i % 31, 5 + i / 31, 8 + i % 5, 20 + i % 9,
                      i < 12 ? "" : "40", i < 12 ? "" : "85", 18 + i % 6);
        text += line;
    }
    ReadTextLines(workbench.sheet, text);
    workbench.columns = testing::BoxesOf({"1", "2", "3", "4", "5", "6", "7", "0"});
    workbench.units.select(UnitKind::Radiation, "MJ m^-2");
    workbench.units.select(UnitKind::Wind, "m s^-1");
    workbench.station = {"45", "100", "2"};

    std::string failure;
    EXPECT_FALSE(CalibrateHargreaves(workbench, failure));
    EXPECT_EQ(failure, "The calibration needs at least 30 days with both PenMon and Hargreaves; the sheet has 28.");
    EXPECT_EQ(UsedColumnCount(workbench.sheet), 8);

    // Two more days with humidity make 30.
    for (const int row : {12, 13}) {
        workbench.sheet.setCellText(row, 4, "40");
        workbench.sheet.setCellText(row, 5, "85");
    }
    EXPECT_EQ(Fit(CalibrateHargreaves(workbench, failure), failure).days, 30);
    EXPECT_EQ(UsedColumnCount(workbench.sheet), 8);
    EXPECT_EQ(workbench.hargreaves.a, 0.0023);
}

// The De Bilt year: a fitted a, taken and fitted again, is its own fit (to the two
// decimals of the cells), and the fit leaves no bias to speak of.
TEST(CalibrateHargreaves, TheFittedCoefficientIsItsOwnFit)
{
    const auto file = std::filesystem::path(ETP_SHARED_DATA_DIR) / "stations" / "knmi_debilt_260_2018.txt";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << file << " is not there";
    Workbench workbench;
    std::ifstream in(file, std::ios::binary);
    ReadTextLines(workbench.sheet, std::string{std::istreambuf_iterator<char>(in), {}});
    workbench.columns = testing::FirstEightColumns();
    workbench.units.select(UnitKind::Radiation, "MJ m^-2");
    workbench.units.select(UnitKind::Wind, "m s^-1");
    workbench.station = {"52.1", "1.9", "10"};
    const int used = UsedColumnCount(workbench.sheet);

    std::string failure;
    const HargreavesFit first = Fit(CalibrateHargreaves(workbench, failure), failure);
    EXPECT_GE(first.days, 300);
    EXPECT_EQ(first.a, 0.0023);
    EXPECT_LT(first.after.rmse, first.before.rmse);
    EXPECT_GT(first.after.r2, first.before.r2);
    EXPECT_EQ(UsedColumnCount(workbench.sheet), used);
    workbench.hargreaves.a = first.fittedA;
    const HargreavesFit second = Fit(CalibrateHargreaves(workbench, failure), failure);
    EXPECT_EQ(second.days, first.days);
    EXPECT_NEAR(second.fittedA / first.fittedA, 1, 2e-3);
    EXPECT_NEAR(second.before.rmse, first.after.rmse, 0.01);
}

} // namespace etp
