#include "et/Compute.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "et/MethodTable.h"
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
        for (const ColumnBox box : kAllColumnBoxes) columns.text[box] = std::to_string(Index(box) + 1);
        units.select(UnitKind::Radiation, "MJ m^-2");
        units.select(UnitKind::Wind, "m s^-1");
        station = {"45", "100", "2"};
    }

    void check(std::initializer_list<Method> methodList)
    {
        for (const Method method : methodList) methods.checked[method] = true;
    }

    Outcome run(MeteoSheet& sheet)
    {
        const ComputeSettings settings{columns, units, station, methods, hargreaves};
        return Compute(sheet, settings, previous);
    }

    std::string cell(const MeteoSheet& sheet, int row, int column) { return std::string(sheet.cellText(row, column)); }

    ColumnMap columns;
    UnitSelection units;
    StationParameters station;
    MethodSelection methods;
    HargreavesCoefficients hargreaves;
    double previous = 0;
};

} // namespace

TEST_F(ComputeTest, WorkedExampleEveryMethod)
{
    MeteoSheet sheet = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
    for (const MethodInfo& info : kMethods) check({info.method});
    const Outcome outcome = run(sheet);
    EXPECT_TRUE(outcome.done());
    EXPECT_TRUE(outcome.message.empty());
    const char* labels[] = {"PenFAO", "PFAOnocorr", "PenMon", "P-T", "PFAOrad", "PFAOsun",
                            "Hargr.", "Turc", "Thornt.", "P-T extrad", "Bl-Cr", "PotRad"};
    const char* values[] = {"5.73", "5.47", "4.99", "4.52", "5.85", "", "5.95", "4.31", "992.", "16.", "994.", "41.91"};
    for (int k = 0; k < kMethodCount; ++k) {
        EXPECT_EQ(cell(sheet, 1, 10 + k), labels[k]);
        EXPECT_EQ(cell(sheet, 3, 10 + k), values[k]) << labels[k];
    }
    EXPECT_EQ(previous, 20);

    // "P-T extrad" alone builds its monthly ranges too.
    MeteoSheet alone = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
    methods = {};
    check({Method::PriestleyTaylorExtrad});
    EXPECT_TRUE(run(alone).done());
    EXPECT_EQ(cell(alone, 3, 10), "16.");
}

TEST_F(ComputeTest, ResultColumnsFollowTheLastTitleAndAppendOnEveryRun)
{
    MeteoSheet sheet = SheetOf({kStationTitles, kDayBefore, kWorkedDay});
    check({Method::PenMon, Method::Hargreaves});
    run(sheet);
    EXPECT_EQ(cell(sheet, 1, 10), "PenMon");
    EXPECT_EQ(cell(sheet, 1, 11), "Hargr.");
    run(sheet);
    EXPECT_EQ(cell(sheet, 1, 12), "PenMon");
    EXPECT_EQ(cell(sheet, 1, 13), "Hargr.");
    // The second run's first day takes the first run's last day as the day before.
    EXPECT_EQ(cell(sheet, 2, 12), "4.99");
    EXPECT_NE(cell(sheet, 2, 10), cell(sheet, 2, 12));
}

// 3 m s-1 measured at 10 m is 3 * 4.87 / ln(672.58) = 2.2444 m s-1 at 2 m (FAO-56 Eq. 47);
// "2.00" is exactly 2 and converts nothing, "2.5" converts. Sunshine box 0 means no sunshine;
// the humidity boxes are not checked for order.
TEST_F(ComputeTest, BoxesUnitsAndWindHeightReachTheMethods)
{
    MeteoSheet sheet = SheetOf({kStationTitles, "21/06/95\t12\t28\t40\t90\t20\t3\t10\t0"});
    check({Method::PenFao});
    const std::pair<const char*, const char*> heights[] = {{"10", "5.29"}, {"2.00", "5.65"}, {"2.5", "5.58"}};
    int column = 10;
    for (const auto& [height, expected] : heights) {
        station.windHeight = height;
        run(sheet);
        EXPECT_EQ(cell(sheet, 2, column++), expected) << "wind at " << height << " m";
    }
    station.windHeight = "2";
    columns.text[ColumnBox::Sunshine] = "0";
    std::swap(columns.text[ColumnBox::RHmin], columns.text[ColumnBox::RHmax]); // RHmin now reads 90, RHmax 40
    run(sheet);
    EXPECT_EQ(cell(sheet, 2, column), "5.33");
}

// A radiation of 100 in each unit reaches Turc as mm d-1 of evaporation: at 20 °C and 65 %,
// Turc = 0.013 * 20 / 35 * (59 Rs + 50). 100 cal cm-2 d-1 is 100 / 59 mm; 100 W m-2 is
// 3.44 mm (0.0344, not 0.408 * 0.0864); 100 kJ m-2 is 0.0408 mm and 100 MJ m-2 40.8 mm.
TEST_F(ComputeTest, RadiationUnitsReachTheMethods)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Cal cm^-2 d^-1", "1.11"}, {"watt m^-2", "1.88"}, {"kJ m^-2", ".39"}, {"MJ m^-2", "18.25"}};
    check({Method::Turc});
    for (const auto& [unit, expected] : cases) {
        MeteoSheet sheet = SheetOf({kStationTitles, "21/06/95\t20\t20\t65\t65\t100\t2\t10\t0"});
        units.select(UnitKind::Radiation, unit);
        run(sheet);
        EXPECT_EQ(cell(sheet, 2, 10), expected) << unit;
    }
}

TEST_F(ComputeTest, NothingCheckedNoDaysOrNoWeather)
{
    MeteoSheet sheet = SheetOf({kStationTitles, kWorkedDay});
    EXPECT_TRUE(run(sheet).done());
    EXPECT_EQ(sheet.lastNonEmptyColumn(), 9);

    MeteoSheet titles = SheetOf({kStationTitles});
    check({Method::PenMon, Method::PotentialRadiation});
    EXPECT_TRUE(run(titles).done());
    EXPECT_EQ(testing::RowText(titles, 1, 10, 100), "PenMon\tPotRad");
    EXPECT_EQ(titles.lastNonEmptyRow(), 1);

    // PotRad alone reads no weather cell.
    MeteoSheet dates = SheetOf({"DATE", "21/06/95", "22/06/95"});
    methods = {};
    check({Method::PotentialRadiation});
    run(dates);
    EXPECT_EQ(cell(dates, 1, 2), "PotRad");
    EXPECT_EQ(cell(dates, 2, 2), "41.91");
}

// A run that stops names the row (and the method, if one failed) and keeps every result
// written before the failure, in that row too; a refused run writes nothing. The last
// filled column of rows 2.. shows what was written (9: nothing).
TEST_F(ComputeTest, StopsAndRefusals)
{
    const char* inverted = "21/06/95\t28\t12\t40\t90\t22\t2\t10\t0";
    struct Case {
        std::vector<std::string> rows;
        StationParameters station;
        std::vector<Method> methods;
        const char* dateBox;
        Outcome::Kind kind;
        int row;             // of a stop
        std::string message; // its beginning
        std::vector<int> lastColumns;
    };
    const Case cases[] = {
        {{kDayBefore, kWorkedDay, "31/02/95\t12\t28\t40\t90\t22\t2\t10\t0", kWorkedDay}, {"45", "100", "2"},
         {Method::PenMon}, "1", Outcome::Kind::Stopped, 4, "The date in row 4 is not a date: \"31/02/95\"", {10, 10, 9, 9}},
        // 21 March at 89°N has a sunset, 21 June has none.
        {{"21/03/95\t1\t5\t40\t90\t10\t2\t10\t0", kWorkedDay}, {"89", "100", "2"}, {Method::Turc, Method::PenMon}, "1",
         Outcome::Kind::Stopped, 3, "Arithmetic error in row 3, method PenMon: ", {11, 9}},
        // The wind height conversion is no method: only the row is named.
        {{kWorkedDay}, {"45", "100", "0"}, {Method::PenMon}, "1", Outcome::Kind::Stopped, 2, "Arithmetic error in row 2: ",
         {9}},
        // Hargreaves comes after PenMon in a row: the failing row keeps PenMon's result.
        {{kDayBefore, inverted, kWorkedDay}, {"45", "100", "2"}, {Method::PenMon, Method::Hargreaves}, "1",
         Outcome::Kind::Stopped, 3, "Arithmetic error in row 3, method Hargr.: ", {11, 10, 9}},
        {{"21/06/95\t1e39\t28\t40\t90\t22\t2\t10\t0"}, {"45", "100", "2"}, {Method::Hargreaves}, "1",
         Outcome::Kind::Stopped, 2, "Arithmetic error in row 2: overflow", {9}},
        {{kWorkedDay}, {"45", "100", "2"}, {Method::PenMon}, "?", Outcome::Kind::Refused, 0,
         "Problems in defining metereological variables", {9}},
    };
    for (const auto& c : cases) {
        std::string text = std::string(kStationTitles) + "\r\n";
        for (const auto& row : c.rows) text += row + "\r\n";
        MeteoSheet sheet;
        ReadTextLines(sheet, text);
        station = c.station;
        columns.text[ColumnBox::Date] = c.dateBox;
        methods = {};
        for (const Method method : c.methods) check({method});
        const Outcome outcome = run(sheet);
        EXPECT_EQ(outcome.kind, c.kind) << c.message;
        EXPECT_EQ(outcome.row, c.row) << c.message;
        EXPECT_EQ(outcome.message.rfind(c.message, 0), 0u) << outcome.message;
        EXPECT_EQ(outcome.icon, Icon::Critical);
        for (std::size_t r = 0; r < c.lastColumns.size(); ++r)
            EXPECT_EQ(sheet.lastNonEmptyColumn(static_cast<int>(r) + 2), c.lastColumns[r]) << c.message << ", row " << r + 2;
    }
}

// Two result columns do not fit after a title in column 99; one does.
TEST_F(ComputeTest, RefusesWithoutRoom)
{
    MeteoSheet sheet = SheetOf({kStationTitles, kWorkedDay});
    sheet.setCellText(1, 99, "X");
    check({Method::PenMon, Method::Hargreaves});
    EXPECT_EQ(run(sheet).kind, Outcome::Kind::Refused);
    EXPECT_EQ(sheet.lastNonEmptyColumn(1), 99);
    methods.checked[Method::Hargreaves] = false;
    EXPECT_TRUE(run(sheet).done());
    EXPECT_EQ(cell(sheet, 1, 100), "PenMon");
}

TEST_F(ComputeTest, HargreavesCoefficientsChangeOnlyHargreaves)
{
    MeteoSheet sheet = SheetOf({kStationTitles, kWorkedDay});
    check({Method::Hargreaves, Method::Turc});
    run(sheet);
    hargreaves.a = 0.0022;
    run(sheet);
    EXPECT_EQ(cell(sheet, 2, 10), "5.95");
    EXPECT_EQ(cell(sheet, 2, 12), "5.69"); // 5.9465 * 22 / 23
    EXPECT_EQ(cell(sheet, 2, 11), cell(sheet, 2, 13));
}

} // namespace etp
