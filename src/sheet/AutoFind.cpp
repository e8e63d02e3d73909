#include "sheet/AutoFind.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "base/Text.h"
#include "base/ToSingle.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

bool Contains(const std::string& text, const char* keyword) { return text.find(keyword) != std::string::npos; }

struct TitleUnit {
    UnitKind kind;
    const char* text;
};

// A title as a data source writes it, in capitals, with the box and unit it stands for.
struct KnownTitle {
    const char* title;
    std::optional<ColumnBox> box; // none: the rain column
    std::optional<TitleUnit> unit;
    const char* windHeight = nullptr; // [m]
    // A code no one writes as an ordinary title: the file is that source's export.
    bool sourceCode = true;
};

// The daily exports of three sources whose titles are codes: NASA POWER, AgriMet and
// Meteostat, each with the units its documentation gives.
const KnownTitle kKnownTitles[] = {
    // Dates in parts (NASA POWER, AgriMet).
    {"YEAR", ColumnBox::Year, {}, nullptr, false},
    {"MONTH", ColumnBox::Month, {}, nullptr, false},
    {"MO", ColumnBox::Month, {}},
    {"DAY", ColumnBox::Day, {}, nullptr, false},
    {"DY", ColumnBox::Day, {}},
    {"DOY", ColumnBox::Doy, {}},
    // NASA POWER daily point data.
    {"T2M_MAX", ColumnBox::Tmax, TitleUnit{UnitKind::Temperature, "°C"}},
    {"T2M_MIN", ColumnBox::Tmin, TitleUnit{UnitKind::Temperature, "°C"}},
    {"T2MDEW", ColumnBox::Tdew, TitleUnit{UnitKind::Temperature, "°C"}},
    {"RH2M", ColumnBox::RHmean, TitleUnit{UnitKind::Humidity, "%"}},
    {"WS2M", ColumnBox::Wind, TitleUnit{UnitKind::Wind, "m s^-1"}, "2"},
    {"WS10M", ColumnBox::Wind, TitleUnit{UnitKind::Wind, "m s^-1"}, "10"},
    {"ALLSKY_SFC_SW_DWN", ColumnBox::Radiation, TitleUnit{UnitKind::Radiation, "MJ m^-2"}},
    {"PRECTOTCORR", std::nullopt, {}},
    // AgriMet daily data: °F, langleys, mph.
    {"MN", ColumnBox::Tmin, TitleUnit{UnitKind::Temperature, "°F"}},
    {"MX", ColumnBox::Tmax, TitleUnit{UnitKind::Temperature, "°F"}},
    {"YM", ColumnBox::Tdew, TitleUnit{UnitKind::Temperature, "°F"}},
    {"UA", ColumnBox::Wind, TitleUnit{UnitKind::Wind, "mph"}},
    {"SR", ColumnBox::Radiation, TitleUnit{UnitKind::Radiation, "Cal cm^-2 d^-1"}},
    // Meteostat daily data.
    {"TIME", ColumnBox::Date, {}, nullptr, false},
    {"TMIN", ColumnBox::Tmin, TitleUnit{UnitKind::Temperature, "°C"}, nullptr, false},
    {"TMAX", ColumnBox::Tmax, TitleUnit{UnitKind::Temperature, "°C"}, nullptr, false},
    {"WSPD", ColumnBox::Wind, TitleUnit{UnitKind::Wind, "km h^-1"}},
    {"TSUN", ColumnBox::Sunshine, TitleUnit{UnitKind::Sunshine, "min"}},
    {"PRCP", std::nullopt, {}},
};

const KnownTitle* FindKnownTitle(const std::string& upperTitle)
{
    for (const KnownTitle& known : kKnownTitles)
        if (upperTitle == known.title) return &known;
    return nullptr;
}

} // namespace

std::optional<ColumnBox> KnownTitleBox(std::string_view title)
{
    const KnownTitle* known = FindKnownTitle(UpperCase(title));
    return known ? known->box : std::nullopt;
}

bool IsKnownRainTitle(std::string_view title)
{
    const KnownTitle* known = FindKnownTitle(UpperCase(title));
    return known && !known->box;
}

float ScanMaximum(const MeteoSheet& sheet, int k, int firstRow, float limit)
{
    float m = 0;
    int empty = 0;
    int row = firstRow - 1;
    // The rows beyond the sheet read as empty, so the scan ends there too.
    while (empty < 10) {
        ++row;
        const std::string_view t = sheet.cellText(row, k);
        empty = t.empty() ? empty + 1 : 0;
        const double value = NumericValue(t);
        // A value beyond the 32-bit range counts as the largest float of its sign.
        constexpr double kLargest = std::numeric_limits<float>::max();
        const float v = ToSingle(std::clamp(value, -kLargest, kLargest));
        if (v > m) m = v;
        if (m > limit) break;
    }
    return m;
}

AutoFindResult AutoFind(const MeteoSheet& sheet, std::span<const std::string_view> resultTitles, ColumnMap& columns,
                        UnitSelection& units)
{
    AutoFindResult result;
    const int n = UsedColumnCount(sheet);
    for (const ColumnBox box : kAllColumnBoxes)
        columns.set(box, Index(box) < kClassicColumnBoxes ? "?" : "0");
    PerUnitKind<bool> unitFromTitle{};
    bool sunshineFound = false, sourceFile = false;
    for (int c = 1; c <= n; ++c) {
        if (std::ranges::find(resultTitles, sheet.cellText(1, c)) != resultTitles.end()) continue;
        const std::string title = UpperCase(sheet.cellText(1, c));
        const std::string number = std::to_string(c);
        if (const KnownTitle* known = FindKnownTitle(title)) {
            if (!known->box) continue; // a rain column: found by FindRainColumn
            columns.set(*known->box, number);
            sunshineFound = sunshineFound || *known->box == ColumnBox::Sunshine;
            if (known->unit) unitFromTitle[known->unit->kind] = units.select(known->unit->kind, known->unit->text);
            if (known->windHeight) result.windHeight = known->windHeight;
            sourceFile = sourceFile || known->sourceCode;
            continue;
        }
        if (Contains(title, "DAT")) columns.set(ColumnBox::Date, number);
        if (Contains(title, "MIN") && Contains(title, "T")) columns.set(ColumnBox::Tmin, number);
        if (Contains(title, "MAX") && Contains(title, "T")) columns.set(ColumnBox::Tmax, number);
        if (Contains(title, "R") && Contains(title, "MIN")) columns.set(ColumnBox::RHmin, number);
        if (Contains(title, "R") && Contains(title, "MAX")) columns.set(ColumnBox::RHmax, number);
        if (Contains(title, "RAD")) columns.set(ColumnBox::Radiation, number);
        if (Contains(title, "WI") || Contains(title, "VE")) columns.set(ColumnBox::Wind, number);
        if (Contains(title, "ELI")) {
            columns.set(ColumnBox::Sunshine, number);
            sunshineFound = true;
        }
    }
    if (!sunshineFound) columns.set(ColumnBox::Sunshine, "0");
    // A file of a known source has what its codes name and nothing else.
    if (sourceFile)
        for (std::size_t i = 0; i < kClassicColumnBoxes; ++i)
            if (!columns.assigned(kAllColumnBoxes[i])) columns.set(kAllColumnBoxes[i], "0");
    // A date in parts stands for the date column.
    if (!columns.assigned(ColumnBox::Date) && columns.dateForm() != DateForm::None) columns.set(ColumnBox::Date, "0");
    // A source without the humidity extremes has none of them.
    if (columns.humidityGiven())
        for (const ColumnBox box : {ColumnBox::RHmin, ColumnBox::RHmax})
            if (!columns.assigned(box)) columns.set(box, "0");

    // An unassigned radiation or wind box names no column: its unit is not guessed.
    if (const int k = columns.column(ColumnBox::Radiation); k != 0 && !unitFromTitle[UnitKind::Radiation]) {
        const float m = ScanMaximum(sheet, k, 1, 2000);
        if (m < 50)
            units.select(UnitKind::Radiation, "MJ m^-2");
        else if (m >= ToSingle(50.1) && m < 500)
            units.select(UnitKind::Radiation, "watt m^-2");
        else if (m >= 500 && m <= 2000)
            units.select(UnitKind::Radiation, "Cal cm^-2 d^-1");
        else if (m > 2000)
            units.select(UnitKind::Radiation, "kJ m^-2");
        // 50 <= m < 50.1: the unit stays as it was.
    }
    if (const int k = columns.column(ColumnBox::Wind); k != 0 && !unitFromTitle[UnitKind::Wind])
        units.select(UnitKind::Wind, ScanMaximum(sheet, k, 2, 80) > 80 ? "km d^-1" : "m s^-1");
    // Relative humidity as fractions: both columns hold values, none above 1.5.
    const auto fractions = [&sheet](int k) {
        const float m = ScanMaximum(sheet, k, 2, 1.5F);
        return m > 0 && m <= 1.5F;
    };
    const int rhMin = columns.column(ColumnBox::RHmin), rhMax = columns.column(ColumnBox::RHmax);
    if (rhMin != 0 && rhMax != 0 && !unitFromTitle[UnitKind::Humidity])
        units.select(UnitKind::Humidity, fractions(rhMin) && fractions(rhMax) ? "fraction 0-1" : "%");
    if (columns.text(ColumnBox::Sunshine) != "0" && !unitFromTitle[UnitKind::Sunshine]) {
        if (const int k = columns.column(ColumnBox::Sunshine); k != 0)
            units.select(UnitKind::Sunshine, ScanMaximum(sheet, k, 2, 24) > 24 ? "min" : "hours");
    }
    return result;
}

} // namespace etp
