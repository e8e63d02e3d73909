#include "sheet/AutoFind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "sheet/SheetQueries.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

struct AutoFound {
    ColumnMap columns;
    UnitSelection units;
};

AutoFound AutoFindOn(const MeteoSheet& sheet, UnitSelection units = {})
{
    static constexpr std::string_view kResults[] = {"PFAOrad", "PotRad"};
    AutoFound found{ColumnMap{}, units};
    AutoFind(sheet, kResults, found.columns, found.units);
    return found;
}

MeteoSheet Titles(const char* titles) { return testing::SheetOf({titles}); }

// The eight boxes every series has; the others are tested with the titles that fill them.
using Boxes = std::array<std::string, 8>;
Boxes ClassicBoxes(const ColumnMap& columns)
{
    Boxes boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = columns.text(kAllColumnBoxes[i]);
    return boxes;
}

} // namespace

// Keywords anywhere in the upper-cased title; of two matching columns the rightmost wins.
// An unassigned radiation box names no column: its unit is not guessed.
TEST(AutoFind, TitlesToBoxes)
{
    EXPECT_EQ(ClassicBoxes(AutoFindOn(Titles("DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF")).columns),
              (Boxes{"1", "2", "3", "4", "5", "6", "7", "8"}));
    UnitSelection watt;
    EXPECT_FALSE(watt.select(UnitKind::Radiation, "watt")); // a list takes only its own entries
    watt.select(UnitKind::Radiation, "watt m^-2");
    // "TEMPERATURE MIN" holds R, T and MIN: both T min and U.R. min; LEVEL holds VE (wind).
    const auto found = AutoFindOn(Titles("data\ttmin\tTEMPERATURE MIN\tVENTO\tPRECIPITATION LEVEL"), watt);
    EXPECT_EQ(ClassicBoxes(found.columns), (Boxes{"1", "3", "?", "3", "?", "?", "5", "0"}));
    EXPECT_EQ(found.units.text(UnitKind::Radiation), "watt m^-2");
    const auto rightmost = AutoFindOn(Titles("DATE\tTMIN\t\t\t\t\t\tELIOFANIA\tTMIN2\tX"));
    EXPECT_EQ(rightmost.columns.text(ColumnBox::Tmin), "9");
    EXPECT_EQ(rightmost.columns.text(ColumnBox::Sunshine), "8");
    // A saved sheet's result columns ("PFAOrad", "PotRad" hold RAD) are never inputs.
    EXPECT_EQ(AutoFindOn(Titles("DATE\tRAD\tPFAOrad\tPotRad")).columns.text(ColumnBox::Radiation), "2");
    EXPECT_EQ(AutoFindOn(Titles("DATE\tPotRad")).columns.text(ColumnBox::Radiation), "?");
}

// The unit follows the largest value; 50.1 as a float is 50.099998..., and only a maximum
// in [50, that) keeps the unit chosen before.
TEST(AutoFind, RadiationUnitFromTheLargestValue)
{
    const std::pair<const char*, const char*> cases[] = {
        {"49.99", "MJ m^-2"}, {"50.0999", "kJ m^-2"}, {"50.1", "watt m^-2"},
        {"500", "Cal cm^-2 d^-1"}, {"2000", "Cal cm^-2 d^-1"}, {"2001", "kJ m^-2"},
    };
    UnitSelection kJ;
    kJ.select(UnitKind::Radiation, "kJ m^-2");
    for (const auto& [value, unit] : cases) {
        const MeteoSheet sheet = testing::SheetOf({"DATE\tRAD", std::string("01/01/95\t") + value, "02/01/95\t-9000"});
        EXPECT_EQ(AutoFindOn(sheet, kJ).units.text(UnitKind::Radiation), unit) << value;
    }
}

// Humidity is read as fractions when both columns hold values and none is above 1.5.
TEST(AutoFind, HumidityFractionsWhenNoValueIsAboveOneAndAHalf)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0.35\t0.9", "fraction 0-1"}, {"1.5\t1", "fraction 0-1"}, {"0.35\t1.6", "%"}, {"35\t90", "%"}, {"\t", "%"}};
    UnitSelection fractions;
    fractions.select(UnitKind::Humidity, "fraction 0-1");
    for (const auto& [values, unit] : cases) {
        const MeteoSheet sheet = testing::SheetOf({"DATE\tRHMIN\tRHMAX", std::string("01/01/95\t") + values});
        EXPECT_EQ(AutoFindOn(sheet, fractions).units.text(UnitKind::Humidity), unit) << values;
    }
    EXPECT_EQ(AutoFindOn(Titles("DATE\tRHMIN"), fractions).units.text(UnitKind::Humidity), "fraction 0-1"); // no guess
}

TEST(AutoFind, ScanStopsAboveTheLimitAndAfterTenEmptyCells)
{
    MeteoSheet sheet = testing::SheetOf({"DATE\tRAD\tWIND\tELIOF", "01/01/95\t10\t5.2\t13.5", "02/01/95\t2500", "03/01/95\t40000"});
    // Ten empty wind and sunshine cells, then values that would change the unit.
    testing::SetRow(sheet, 14, "\t\t350\t600");
    const auto found = AutoFindOn(sheet);
    EXPECT_EQ(ScanMaximum(sheet, 2, 1, 2000), 2500);
    EXPECT_EQ(found.units.text(UnitKind::Radiation), "kJ m^-2");
    EXPECT_EQ(found.units.text(UnitKind::Wind), "m s^-1");
    EXPECT_EQ(found.units.text(UnitKind::Sunshine), "hours");

    testing::SetRow(sheet, 12, "\t\t1\t1"); // rows 3 to 11: the gap is now nine cells
    const auto seen = AutoFindOn(sheet);
    EXPECT_EQ(seen.units.text(UnitKind::Wind), "km d^-1");
    EXPECT_EQ(seen.units.text(UnitKind::Sunshine), "min");
}

// The three sources whose titles are codes, in any case: each code sets its box and its
// unit whatever the values' size, and WS10M the wind height. The other titles of these
// files (T2M, tavg, snow, wdir, wpgt, pres) take no box.
TEST(AutoFind, TheCodesOfThreeSources)
{
    struct Case {
        const char* titles;
        std::vector<std::pair<ColumnBox, const char*>> boxes;
        std::vector<std::pair<UnitKind, const char*>> units;
        const char* windHeight;
    };
    const Case cases[] = {
        {"YEAR\tDOY\tT2M\tT2M_MAX\tT2M_MIN\tRH2M\tT2MDEW\tWS10M\tALLSKY_SFC_SW_DWN\tPRECTOTCORR",
         {{ColumnBox::Date, "0"}, {ColumnBox::Year, "1"}, {ColumnBox::Doy, "2"}, {ColumnBox::Tmax, "4"}, {ColumnBox::Tmin, "5"},
          {ColumnBox::RHmean, "6"}, {ColumnBox::Tdew, "7"}, {ColumnBox::Wind, "8"}, {ColumnBox::Radiation, "9"},
          {ColumnBox::RHmin, "0"}, {ColumnBox::RHmax, "0"}, {ColumnBox::Sunshine, "0"}},
         {{UnitKind::Wind, "m s^-1"}, {UnitKind::Radiation, "MJ m^-2"}, {UnitKind::Temperature, "°C"}},
         "10"},
        {"year\tmonth\tday\tmn\tmx\tsr\tym\tua",
         {{ColumnBox::Year, "1"}, {ColumnBox::Month, "2"}, {ColumnBox::Day, "3"}, {ColumnBox::Tmin, "4"}, {ColumnBox::Tmax, "5"},
          {ColumnBox::Radiation, "6"}, {ColumnBox::Tdew, "7"}, {ColumnBox::Wind, "8"}},
         {{UnitKind::Temperature, "°F"}, {UnitKind::Radiation, "Cal cm^-2 d^-1"}, {UnitKind::Wind, "mph"}},
         nullptr},
        {"time\ttavg\ttmin\ttmax\tprcp\tsnow\twdir\twspd\twpgt\tpres\ttsun",
         {{ColumnBox::Date, "1"}, {ColumnBox::Tmin, "3"}, {ColumnBox::Tmax, "4"}, {ColumnBox::Wind, "8"},
          {ColumnBox::Sunshine, "11"}, {ColumnBox::RHmin, "0"}, {ColumnBox::RHmax, "0"}, {ColumnBox::Radiation, "0"}},
         {{UnitKind::Wind, "km h^-1"}, {UnitKind::Sunshine, "min"}},
         nullptr},
    };
    for (const Case& c : cases) {
        // Values that the keyword rules would read as other units: 2 km/h, 3 minutes, 20 langleys.
        const MeteoSheet sheet = testing::SheetOf({c.titles, "1\t2\t3\t2\t3\t20\t3\t2\t20\t3\t3"});
        ColumnMap columns;
        UnitSelection units;
        const AutoFindResult found = AutoFind(sheet, {}, columns, units);
        for (const auto& [box, text] : c.boxes) EXPECT_EQ(columns.text(box), text) << c.titles << " " << kColumnBoxNames[box];
        for (const auto& [kind, text] : c.units) EXPECT_EQ(units.text(kind), text) << c.titles;
        EXPECT_EQ(found.windHeight ? std::string(found.windHeight) : "", c.windHeight ? c.windHeight : "") << c.titles;
    }
    EXPECT_EQ(FindRainColumn(testing::SheetOf({"time\ttavg\tprcp"})), 3);
    EXPECT_EQ(FindRainColumn(testing::SheetOf({"YEAR\tPRECTOTCORR"})), 2);
}

} // namespace etp
