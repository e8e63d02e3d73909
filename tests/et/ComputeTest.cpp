#include "et/Compute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "support/AvailabilityCases.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

using testing::kStationTitles;
using testing::SheetOf;

// The worked day, 21 June at 45°N and 100 m, after a day whose mean temperature is 20.
const char* kWorkedDay = "21/06/95\t12\t28\t40\t90\t22\t2\t10\t0";
const char* kDayBefore = "20/06/95\t12\t28\t40\t90\t22\t2\t10\t0";

class ComputeTest : public ::testing::Test {
protected:
    ComputeTest()
    {
        columns = testing::FirstEightColumns();
        units.select(UnitKind::Radiation, "MJ m^-2");
        units.select(UnitKind::Wind, "m s^-1");
    }

    void check(std::initializer_list<Method> methodList) { for (const Method method : methodList) methods.checked[method] = true; }

    // The station boxes as typed, read as a command reads them.
    Outcome run(MeteoSheet& sheet)
    {
        const StationValues values = ReadStationValues(station);
        return Compute(sheet, ComputeSettings{columns, units, values, methods, HargreavesCoefficients{}, EstimateSettings{}, options},
                       previous);
    }

    std::string cell(const MeteoSheet& sheet, int row, int column) { return std::string(sheet.cellText(row, column)); }

    ColumnMap columns;
    UnitSelection units;
    StationParameters station{"45", "100", "2"};
    MethodSelection methods;
    MethodOptions options;
    double previous = 0;
};

} // namespace

// Every method on the worked day, after a day whose mean is 20 °C. A second run appends its
// columns after the last title, and its first day takes the first run's last day as the day
// before (PenMon, column 12 then 26, differs on row 2).
TEST_F(ComputeTest, WorkedExampleEveryMethodAndASecondRun)
{
    MeteoSheet sheet = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
    for (const MethodInfo& info : kMethods) check({info.method});
    const Outcome outcome = run(sheet);
    EXPECT_TRUE(outcome.done());
    EXPECT_EQ(outcome.message, "Thornt.: 1995 has 1 month of temperatures; its heat index uses that month");
    const char* labels[] = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun", "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr", "PotRad", "ASCE short", "ASCE tall"};
    const char* values[] = {"5.73", "5.47", "4.99", "4.52", "5.85", "6.32", "5.95", "4.31", "5.21", "5.34", "5.91", "41.91", "4.95", "6.31"};
    for (int k = 0; k < kMethodCount; ++k) {
        EXPECT_EQ(cell(sheet, 1, 10 + k), labels[k]);
        EXPECT_EQ(cell(sheet, 3, 10 + k), values[k]) << labels[k];
    }
    EXPECT_EQ(previous, 20);
    run(sheet);
    EXPECT_EQ(cell(sheet, 1, 24 + 2), "PenMon");
    EXPECT_EQ(cell(sheet, 2, 24 + 2), "4.99");
    EXPECT_NE(cell(sheet, 2, 10 + 2), "4.99");

    // "P-T extrad" alone builds its monthly ranges too.
    MeteoSheet alone = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
    methods = {};
    check({Method::PriestleyTaylorExtrad});
    EXPECT_TRUE(run(alone).done());
    EXPECT_EQ(cell(alone, 3, 10), "5.34");
}

// Each Option menu choice changes its own method and nothing else. Rows: a cooler day
// (mean 15 °C), the worked day, and the worked day dry (RH 20 to 40 %, mean 30 %).
TEST_F(ComputeTest, EachMethodOptionChangesItsMethodOnly)
{
    const auto sheetOf = [] {
        return SheetOf({kStationTitles, "20/06/95\t10\t20\t40\t90\t22\t2\t10\t0", kWorkedDay,
                        "22/06/95\t12\t28\t20\t40\t22\t2\t10\t0"});
    };
    for (const MethodInfo& info : kMethods) check({info.method});
    MeteoSheet base = sheetOf();
    ASSERT_TRUE(run(base).done());
        const auto column = [](Method method) { return 10 + static_cast<int>(Index(method)); };
    const auto value = [&](const MeteoSheet& sheet, int row, Method method) {
        return NumericValue(cell(sheet, row, column(method)));
    };
    EXPECT_EQ(cell(base, 3, column(Method::PriestleyTaylor)), "4.52"); // the worked example

    struct Case {
        const char* name;
        void (*set)(MethodOptions&);
        Method method;
        // The row's value from the default one; NaN: not checked (the first day's G from 0 °C).
        double (*expected)(double defaultValue, int row);
        double tolerance;
    };
    const Case cases[] = {
        // G = 0 after the cooler day is what the worked example gets after a day of its own mean:
        // 4.99 (its cell), with G from 20 to 20.
        {"PenMon G = 0", [](MethodOptions& o) { o.penMonSoilHeat = SoilHeatFlux::Zero; }, Method::PenMon,
         [](double v, int row) { return row == 3 ? 4.99 : row == 2 ? std::nan("") : v; }, 0.005},
        {"P-T alpha 1.5", [](MethodOptions& o) { o.priestleyTaylorAlpha = 1.5; }, Method::PriestleyTaylor,
         [](double v, int) { return v * 1.5 / 1.26; }, 0.01},
        // Only the dry day had a correction, 1 + (50 - 30) / 70.
        {"Turc without correction", [](MethodOptions& o) { o.turcHumidity = TurcHumidity::Off; }, Method::Turc,
         [](double v, int row) { return row == 4 ? v / (1 + 20.0 / 70) : v; }, 0.01},
        {"PotRad in mm", [](MethodOptions& o) { o.potentialRadiationUnit = PotentialRadiationUnit::MillimetresPerDay; },
         Method::PotentialRadiation, [](double v, int) { return v * 0.408; }, 0.01},
    };
    for (const Case& c : cases) {
        options = {};
        c.set(options);
        previous = 0;
        MeteoSheet sheet = sheetOf();
        ASSERT_TRUE(run(sheet).done()) << c.name;
        for (int row = 2; row <= 4; ++row)
            for (const MethodInfo& info : kMethods) {
                if (info.method != c.method) {
                    EXPECT_EQ(cell(sheet, row, column(info.method)), cell(base, row, column(info.method)))
                        << c.name << ", " << info.label << ", row " << row;
                    continue;
                }
                const double expected = c.expected(value(base, row, c.method), row);
                if (std::isnan(expected)) continue;
                EXPECT_NEAR(value(sheet, row, c.method), expected, c.tolerance) << c.name << ", row " << row;
            }
    }
    // The cooler day before makes a soil heat flux the default keeps.
    EXPECT_NE(cell(base, 3, column(Method::PenMon)), "4.99");
}

// 3 m s-1 measured at 10 m is 3 * 4.87 / ln(672.58) = 2.2444 m s-1 at 2 m (FAO-56 Eq. 47);
// "2.00" is exactly 2 and converts nothing. The humidity boxes are not checked for order.
TEST_F(ComputeTest, BoxesAndWindHeightReachTheMethods)
{
    MeteoSheet sheet = SheetOf({kStationTitles, "21/06/95\t12\t28\t40\t90\t20\t3\t10\t0"});
    check({Method::PenFao});
    const std::pair<const char*, const char*> heights[] = {{"10", "5.29"}, {"2.00", "5.65"}};
    int column = 10;
    for (const auto& [height, expected] : heights) {
        station.windHeight = height;
        run(sheet);
        EXPECT_EQ(cell(sheet, 2, column++), expected) << "wind at " << height << " m";
    }
    station.windHeight = "2";
    MeteoSheet swapped = SheetOf({kStationTitles, "21/06/95\t12\t28\t90\t40\t20\t3\t10\t0"});
    run(swapped);
    const std::string rhMin = columns.text(ColumnBox::RHmin);
    columns.set(ColumnBox::RHmin, columns.text(ColumnBox::RHmax)); // RHmin now reads 90, RHmax 40
    columns.set(ColumnBox::RHmax, rhMin);
    run(sheet);
    EXPECT_EQ(cell(sheet, 2, column), cell(swapped, 2, 10));
    EXPECT_NE(cell(sheet, 2, column), "5.65");
}

// A radiation of 100 in each unit reaches Turc as mm d-1 of evaporation: at 20 °C and 65 %,
// Turc = 0.013 * 20 / 35 * (59 Rs + 50). 100 cal cm-2 d-1 is 100 / 59 mm; 100 W m-2 over a
// day is 8.64 MJ m-2, 3.52512 mm; 100 kJ m-2 is 0.0408 mm and 100 MJ m-2 40.8 mm.
TEST_F(ComputeTest, RadiationUnitsReachTheMethods)
{
    const std::pair<const char*, const char*> cases[] = {{"Cal cm^-2 d^-1", "1.11"}, {"watt m^-2", "1.92"}, {"kJ m^-2", ".39"}, {"MJ m^-2", "18.25"}};
    check({Method::Turc});
    for (const auto& [unit, expected] : cases) {
        MeteoSheet sheet = SheetOf({kStationTitles, "21/06/95\t20\t20\t65\t65\t100\t2\t10\t0"});
        units.select(UnitKind::Radiation, unit);
        run(sheet);
        EXPECT_EQ(cell(sheet, 2, 10), expected) << unit;
    }
    // Humidity as fractions is the same day as in per cent.
    check({Method::PenMon});
    units.select(UnitKind::Radiation, "MJ m^-2");
    MeteoSheet percent = SheetOf({kStationTitles, "21/06/95\t12\t28\t40\t90\t22\t2\t10\t0"});
    MeteoSheet fraction = SheetOf({kStationTitles, "21/06/95\t12\t28\t.4\t.9\t22\t2\t10\t0"});
    previous = 0;
    run(percent);
    units.select(UnitKind::Humidity, "fraction 0-1");
    previous = 0;
    run(fraction);
    EXPECT_EQ(cell(fraction, 2, 10), cell(percent, 2, 10));
    EXPECT_NE(cell(fraction, 2, 10), "");
}

// Titles without days get the result titles only; PotRad alone reads no weather cell.
TEST_F(ComputeTest, NoDaysNoWeatherOrNoRoom)
{
    MeteoSheet dates = SheetOf({"DATE", "21/06/95"});
    check({Method::PotentialRadiation});
    run(dates);
    EXPECT_EQ(cell(dates, 2, 2), "41.91");
    MeteoSheet titles = SheetOf({kStationTitles});
    check({Method::PenMon});
    EXPECT_TRUE(run(titles).done());
    EXPECT_EQ(testing::RowText(titles, 1, 10, 100), "PenMon\tPotRad");
    EXPECT_EQ(titles.lastNonEmptyRow(), 1);

    // Two result columns do not fit after a title in column 99; one does.
    MeteoSheet full = SheetOf({kStationTitles, kWorkedDay});
    full.setCellText(1, 99, "X");
    EXPECT_EQ(run(full).kind, Outcome::Kind::Refused);
    EXPECT_EQ(full.lastNonEmptyColumn(1), 99);
    methods.checked[Method::PotentialRadiation] = false;
    EXPECT_TRUE(run(full).done());
    EXPECT_EQ(cell(full, 1, 100), "PenMon");
}

// A run that stops names the row (and the method, if one failed) and keeps every result
// written before the failure, in that row too; a refused run writes nothing. lastColumns:
// the last filled column of rows 2.. (9: nothing written).
TEST_F(ComputeTest, StopsAndRefusals)
{
    // message: its beginning; row: of a stop, 0 for a refusal.
    struct Case { std::string rows, latitude, windHeight, dateBox, message; int row; std::vector<int> lastColumns; };
    const std::string worked = std::string(kWorkedDay) + "\r\n";
    const Case cases[] = {
        {std::string(kDayBefore) + "\r\n" + worked + "31/02/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n" + worked, "45", "2", "1",
         "The date in row 4 is not a date: \"31/02/95\"", 4, {11, 11, 9, 9}},
        // 21 March at 89°N has a sunset, 21 June has none (PenMon comes before Turc in a row).
        {"21/03/95\t1\t5\t40\t90\t10\t2\t10\t0\r\n" + worked, "89", "2", "1", "Arithmetic error in row 3, method PenMon: ", 3, {11, 9}},
        // A station the formulas cannot take is refused before a column is added.
        {worked, "45", "0", "1", "Wind speed measurement high (m) must be at least 0.1: \"0\"", 0, {9}},
        {worked, "95", "2", "1", "Latitude (°) must be from -90 to 90: \"95\"", 0, {9}},
        {worked, "45", "2", "?", "Problems in defining metereological variables", 0, {9}},
        {"31/02/95\t12\t28\t40\t90\t22\t2\t10\t0\r\n" + worked, "45", "2", "1", "The date in row 2 is not a date: \"31/02/95\"", 0, {9, 9}},
    };
    check({Method::Turc, Method::PenMon});
    for (const auto& c : cases) {
        MeteoSheet sheet;
        ReadTextLines(sheet, std::string(kStationTitles) + "\r\n" + c.rows);
        station = {c.latitude, "100", c.windHeight};
        columns.set(ColumnBox::Date, c.dateBox);
        const Outcome outcome = run(sheet);
        EXPECT_EQ(outcome.kind, c.row ? Outcome::Kind::Stopped : Outcome::Kind::Refused) << c.message;
        EXPECT_EQ(outcome.row, c.row) << c.message;
        EXPECT_EQ(outcome.message.rfind(c.message, 0), 0u) << outcome.message;
        EXPECT_EQ(outcome.gravity, Outcome::Gravity::Error);
        for (std::size_t r = 0; r < c.lastColumns.size(); ++r)
            EXPECT_EQ(sheet.lastNonEmptyColumn(static_cast<int>(r) + 2), c.lastColumns[r]) << c.message << ", row " << r + 2;
    }

    // A box that names no column is refused, not read as "not available".
    MeteoSheet one = SheetOf({kStationTitles, kWorkedDay});
    station = {"45", "100", "2"};
    columns.set(ColumnBox::Date, "1");
    columns.set(ColumnBox::Tmax, "A");
    EXPECT_EQ(run(one).message, "The column box of T° max holds no column number from 1 to 100, nor 0: \"A\". Type the "
                                "number of its column in the sheet, or 0 when the sheet has none.");
    columns.set(ColumnBox::Tmax, "3");

    // Stopped before its first value: no labels of empty result columns are left behind.
    MeteoSheet sheet;
    ReadTextLines(sheet, std::string(kStationTitles) + "\r\n" + worked + worked);
    station = {"89", "100", "2"}; // no sunset on 21 June
    columns.set(ColumnBox::Date, "1");
    EXPECT_EQ(run(sheet).row, 2);
    EXPECT_EQ(sheet.lastNonEmptyColumn(1), 9);
}

// Every method ticked on each case of the availability table: the available ones get a
// column and a value, each other one a line of the closing note saying why, and nothing
// is computed from a column that is not there.
TEST_F(ComputeTest, LeavesOutTheMethodsTheColumnsDoNotAllow)
{
    for (const MethodInfo& info : kMethods) check({info.method});
    for (const testing::AvailabilityCase& c : testing::AvailabilityCases()) {
        columns = c.columns;
        MeteoSheet sheet = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
        const StationValues values = ReadStationValues(station);
        const Outcome outcome = Compute(sheet, ComputeSettings{columns, units, values, methods, HargreavesCoefficients{},
                                                               c.estimates, options},
                                        previous);
        ASSERT_TRUE(outcome.done()) << c.name << ": " << outcome.message;
        int column = 10;
        for (const MethodInfo& info : kMethods) {
            const bool available = c.available[Index(info.method)] == '1';
            const std::string line = std::string(info.label) + ": needs the ";
            EXPECT_EQ(outcome.message.find(line) == std::string::npos, available) << c.name << ' ' << info.label;
            if (!available) continue;
            EXPECT_EQ(cell(sheet, 1, column), info.label) << c.name;
            EXPECT_FALSE(cell(sheet, 3, column).empty()) << c.name << ' ' << info.label;
            ++column;
        }
    }
}

// Nothing ticked is available: nothing is written, and the reasons are the refusal.
TEST_F(ComputeTest, RefusesWhenNoTickedMethodIsAvailable)
{
    columns.set(ColumnBox::Sunshine, "0");
    check({Method::PenFao, Method::PenFaoSunshine});
    MeteoSheet sheet = SheetOf({kStationTitles, kWorkedDay});
    const Outcome outcome = run(sheet);
    EXPECT_EQ(outcome.kind, Outcome::Kind::Refused);
    EXPECT_EQ(outcome.message, "PenFAO: needs the sunshine column; box Suns. dur. is 0\n"
                               "PFAOsun: needs the sunshine column; box Suns. dur. is 0");
    EXPECT_EQ(cell(sheet, 1, 10), "");
}

// One input of the worked day blanked, or coded -999 by a logger, at a time: exactly
// the methods whose formula reads it leave that day empty. All columns are there, so
// Blaney-Criddle takes its adjusted form (RH min, sunshine and wind); Turc reads the
// humidity only for its correction, PotRad nothing.
TEST_F(ComputeTest, AMissingInputEmptiesExactlyTheMethodsThatReadIt)
{
    for (const MethodInfo& info : kMethods) check({info.method});
    // Per column 2..8 (T min .. sunshine), the fourteen methods in table order: 1 empty.
    const std::pair<int, const char*> cases[] = {
        {2, "11111111111011"}, {3, "11111111111011"}, // T min, T max
        {4, "11111100001011"},                        // RH min
        {5, "11111100000011"},                        // RH max
        {6, "11111001000011"},                        // radiation
        {7, "11101100001011"},                        // wind
        {8, "10000100001000"},                        // sunshine
    };
    for (const auto& [field, empty] : cases)
        for (const char* blank : {"", "-999"}) {
            MeteoSheet sheet = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
            sheet.setCellText(3, field, blank);
            previous = 0;
            ASSERT_TRUE(run(sheet).done()) << field;
            std::string emptied;
            for (int k = 0; k < kMethodCount; ++k) emptied += cell(sheet, 3, 10 + k).empty() ? '1' : '0';
            EXPECT_EQ(emptied, empty) << "column " << field << " \"" << blank << "\"";
        }
}

// Without a sunshine column the plain FAO-24 form reads the temperatures only: a day
// missing RH min, RH max or wind still has its Blaney-Criddle value.
TEST_F(ComputeTest, PlainBlaneyCriddleNeedsTheTemperaturesOnly)
{
    columns.set(ColumnBox::Sunshine, "0");
    check({Method::BlaneyCriddle});
    MeteoSheet sheet = SheetOf({kStationTitles, kWorkedDay, "22/06/95\t12\t28\t\t90\t22\t2\t10\t0",
                                "23/06/95\t12\t28\t40\t\t22\t2\t10\t0", "24/06/95\t12\t28\t40\t90\t22\t-999\t10\t0"});
    ASSERT_TRUE(run(sheet).done());
    for (int row = 2; row <= 5; ++row) EXPECT_EQ(cell(sheet, row, 10), cell(sheet, 2, 10)) << row;
    EXPECT_FALSE(cell(sheet, 2, 10).empty());
}

} // namespace etp
