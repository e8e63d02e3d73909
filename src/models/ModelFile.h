#pragma once
// What the writers of the model files share: the cell values and day numbers, read with
// the refusal (RefusedInput, base/Refusal.h) of data a layout cannot hold.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Refusal.h"
#include "et/Estimates.h"
#include "sheet/MeteoSheet.h"
#include "sheet/MissingDays.h"
#include "sheet/ColumnMap.h"
#include "sheet/Station.h"
#include "sheet/SheetQueries.h"

namespace etp {

// A column a file reads, as its refusal over missing days names it.
struct FileColumn {
    ReadColumn read;
    std::string name; // the variable's caption, or the column's title
    GapRemedy remedy = GapRemedy::Fill;
};

// The columns of each file: the rain column; T min, T max and the ET column of the LEACHM
// weekly file; the ET column of the MACRO ET file.
std::vector<FileColumn> RainFileColumns(const MeteoSheet& sheet, int rainColumn);
std::vector<FileColumn> LeachmEtpColumns(const MeteoSheet& sheet, const ColumnMap& columns, int etColumn);
std::vector<FileColumn> MacroEtpColumns(const MeteoSheet& sheet, int etColumn);

// The refusal over the days, rows 2 to the last, without a value in `read`: per column,
// how many and which (MissingDays::message ending in notWritten); none when every cell
// holds one. The commands ask it before they ask for a file name.
std::optional<std::string> MissingDaysRefusal(const MeteoSheet& sheet, const ColumnMap& columns,
                                              const std::vector<FileColumn>& read, std::string_view notWritten);
// Throws MissingInput with that refusal. Runs before a writer reads a value, so a file is
// never made over a gap.
void RefuseMissingDays(const MeteoSheet& sheet, const ColumnMap& columns, const std::vector<FileColumn>& read,
                       std::string_view notWritten);

// What the model files may estimate of a day, as Compute does: the station and the
// choices of Option > Missing data.
struct ModelEstimates {
    const StationParameters& station;
    const EstimateSettings& settings;
};

// How many days of a file carry an estimate, and of what.
struct EstimatedDays {
    int count = 0;
    Inputs inputs = 0;
};

// The days of ET column etColumn, rows 2 to lastRow, that its method computed from an
// estimate of one of its inputs, as the "Estimated" column Compute wrote beside it says.
EstimatedDays EstimatedEtDays(const MeteoSheet& sheet, int etColumn, int estimatedColumn, int lastRow);
// The "Estimated" column of the Compute that wrote etColumn, as a sheet shows it: the first
// right of the run's labels side by side; 0 when there is none. Two runs side by side
// look like one, so a caller that knows the run's column takes that instead.
int RunEstimatedColumn(const MeteoSheet& sheet, int etColumn);

// "MACRO ETP: 12 days estimated (radiation, wind)".
std::string EstimatedDaysLine(std::string_view file, const EstimatedDays& days);

// NumericValue of a cell, refused when it is beyond the double range (a text like 1e999).
double FiniteCellValue(const MeteoSheet& sheet, int row, int column);

// DayNumber of the date of `row`, its text read by position. A month beyond
// 0..12 is refused with a message naming the row; so is, with `refuseEarlierYear`, a
// year before the first year (a series passing from 99 to 00), which would turn day
// and week numbers negative.
int RowDayNumber(std::string_view text, int row, double firstYear, bool refuseEarlierYear);

} // namespace etp
