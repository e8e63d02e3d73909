#include "sheet/AutoFind.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/Text.h"
#include "base/ToSingle.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

bool Contains(const std::string& text, const char* keyword) { return text.find(keyword) != std::string::npos; }

} // namespace

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

void AutoFind(const MeteoSheet& sheet, std::span<const std::string_view> resultTitles, ColumnMap& columns,
              UnitSelection& units)
{
    const int n = UsedColumnCount(sheet);
    for (auto& box : columns.text) box = "?";
    bool sunshineFound = false;
    for (int c = 1; c <= n; ++c) {
        if (std::ranges::find(resultTitles, sheet.cellText(1, c)) != resultTitles.end()) continue;
        const std::string title = UpperCase(sheet.cellText(1, c));
        const std::string number = std::to_string(c);
        if (Contains(title, "DAT")) columns.text[ColumnBox::Date] = number;
        if (Contains(title, "MIN") && Contains(title, "T")) columns.text[ColumnBox::Tmin] = number;
        if (Contains(title, "MAX") && Contains(title, "T")) columns.text[ColumnBox::Tmax] = number;
        if (Contains(title, "R") && Contains(title, "MIN")) columns.text[ColumnBox::RHmin] = number;
        if (Contains(title, "R") && Contains(title, "MAX")) columns.text[ColumnBox::RHmax] = number;
        if (Contains(title, "RAD")) columns.text[ColumnBox::Radiation] = number;
        if (Contains(title, "WI") || Contains(title, "VE")) columns.text[ColumnBox::Wind] = number;
        if (Contains(title, "ELI")) {
            columns.text[ColumnBox::Sunshine] = number;
            sunshineFound = true;
        }
    }
    if (!sunshineFound) columns.text[ColumnBox::Sunshine] = "0";

    // An unassigned radiation or wind box names no column: its unit is not guessed.
    if (const int k = columns.column(ColumnBox::Radiation); k != 0) {
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
    if (const int k = columns.column(ColumnBox::Wind); k != 0)
        units.select(UnitKind::Wind, ScanMaximum(sheet, k, 2, 80) > 80 ? "km d^-1" : "m s^-1");
    // Relative humidity as fractions: both columns hold values, none above 1.5.
    const auto fractions = [&sheet](int k) {
        const float m = ScanMaximum(sheet, k, 2, 1.5F);
        return m > 0 && m <= 1.5F;
    };
    const int rhMin = columns.column(ColumnBox::RHmin), rhMax = columns.column(ColumnBox::RHmax);
    if (rhMin != 0 && rhMax != 0)
        units.select(UnitKind::Humidity, fractions(rhMin) && fractions(rhMax) ? "fraction 0-1" : "%");
    if (columns.text[ColumnBox::Sunshine] != "0") {
        if (const int k = columns.column(ColumnBox::Sunshine); k != 0)
            units.select(UnitKind::Sunshine, ScanMaximum(sheet, k, 2, 24) > 24 ? "min" : "hours");
    }
}

} // namespace etp
