#pragma once
// What the crop water balance reads: the days of the season from the sheet (date,
// reference ET, rain, and RH min and wind for the climate adjustment) and the given
// irrigations from their file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Outcome.h"
#include "sheet/DateParts.h"
#include "sheet/MeteoSheet.h"
#include "sheet/RowDates.h"
#include "sheet/ColumnMap.h"

namespace etp {

struct CropDay {
    int row = 0;
    std::string dateText;          // the date cell as written
    CalendarDate date;
    double ETref = 0;              // [mm d-1]
    double rain = 0;               // [mm]
    std::optional<double> RHmin;   // [%]
    std::optional<double> u2;      // wind at 2 m [m s-1]
};

// Where the balance reads each variable; column 0 when it has none (RH min, wind).
struct CropColumns {
    ColumnMap dates; // the boxes of the date: one date column, or its parts
    int et = 0, rain = 0, rhMin = 0, wind = 0;
    double humidityFactor = 1; // cell -> %
    double windFactor = 1;     // cell -> m s-1 at 2 m
    int lastRow = 0;           // the last day of the series
};

// The date of a row, the one place the balance reads dates: empty when the cell holds
// no calendar date.
std::optional<CalendarDate> SeriesDate(const RowDates& dates, int row);

// dd/mm/yyyy, as the messages and the tables write a date.
std::string DateText(const CalendarDate& date);

// The day after, and the number of days from a to b (b - a).
CalendarDate NextDay(const CalendarDate& date);
int DaysBetween(const CalendarDate& a, const CalendarDate& b);

// The `length` days from planting: refused, with a message naming the date, when the
// planting day is not in the series, when the season runs past its last day, skips a
// day, or has a day without ET or rain (an empty rain cell is a dry day).
struct SeasonRead {
    Outcome outcome;
    std::vector<CropDay> days;
};
SeasonRead ReadSeason(const MeteoSheet& sheet, const CropColumns& columns, const CalendarDate& planting, int length);

// One line of an irrigation file: `date<TAB>depth mm[<TAB>fw]`.
struct GivenIrrigation {
    CalendarDate date;
    double depth = 0;             // applied (gross) [mm]
    std::optional<double> fw;     // wetted fraction [-]; none: the description's fw
    int line = 0;
};

// The irrigations of a file (blank lines and `#` comments skipped), or the message for
// its first problem naming the line.
struct IrrigationFileRead {
    std::vector<GivenIrrigation> irrigations;
    std::string problem;
};
IrrigationFileRead ReadIrrigationFile(std::string_view text);

// The message for the first irrigation outside first..last, naming its line; none when
// every one is within.
std::optional<std::string> IrrigationOutsideSeason(const std::vector<GivenIrrigation>& irrigations,
                                                   const CalendarDate& first, const CalendarDate& last);

} // namespace etp
