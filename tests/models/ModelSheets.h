#pragma once
// Daily series for the model-file tests: a sheet in the station layout (DATE, TMIN,
// TMAX, RHMIN, RHMAX, RAD, WIND, ELIOF, RAIN, then any result columns), its column
// boxes, and the golden files.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "models/ModelFile.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "import/TextImport.h"
#include "support/SheetBuilder.h"
#include "support/TempDir.h"

namespace etp::testing {

inline ColumnMap StationColumns()
{
    ColumnMap columns;
    columns = testing::BoxesOf({"1", "2", "3", "4", "5", "6", "7", "8"});
    return columns;
}

// One day of a series; the fields left empty stay empty cells.
struct Day { std::string date, tmin, tmax, radiation, rain, et; };

// dd/mm/yy of the calendar day `offset` days after `first`.
inline std::string DateText(std::chrono::year_month_day first, int offset)
{
    const std::chrono::year_month_day day{std::chrono::sys_days{first} + std::chrono::days{offset}};
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%02d", unsigned(day.day()), unsigned(day.month()), int(day.year()) % 100);
    return text;
}

// The station titles plus `etTitle` in column 10.
inline MeteoSheet SeriesSheet(const std::vector<Day>& days, const std::string& etTitle = "PenMon")
{
    std::string text = std::string(kStationTitles) + "\t" + etTitle + "\r\n";
    for (const Day& d : days)
        text += d.date + "\t" + d.tmin + "\t" + d.tmax + "\t\t\t" + d.radiation + "\t\t\t" + d.rain + "\t" + d.et + "\r\n";
    MeteoSheet sheet;
    ReadTextLines(sheet, text);
    return sheet;
}

// `count` consecutive days from `first`, each made by `make` from its index and date.
inline std::vector<Day> Series(std::chrono::year_month_day first, int count, const std::function<Day(int, std::string)>& make)
{
    std::vector<Day> days;
    for (int i = 0; i < count; ++i) days.push_back(make(i, DateText(first, i)));
    return days;
}

inline std::string Golden(const std::string& name) { return ReadFile(std::string(ETP_TEST_DATA_DIR) + "/models/" + name); }

// The lines of a text split at `end`; the piece after the last line end comes last.
inline std::vector<std::string> Lines(const std::string& text, const std::string& end)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size())
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

// The message of the refusal `write` throws, or "not refused".
inline std::string RefusalOf(const std::function<void()>& write)
{
    try {
        write();
    } catch (const RefusedInput& refusal) {
        return refusal.what();
    }
    return "not refused";
}

} // namespace etp::testing
