#pragma once
// The monthly table of the CREAMS dialog: mean temperature in °F and mean daily
// radiation in langleys for every month of the series, as the texts its grid shows.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "models/ModelFile.h"
#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"

namespace etp {

inline constexpr std::array<const char*, 4> kCreamsHeaders = {"Tmean F°", "Rad Lang", "Month", "Year"};

// Month numbers run 1..1200 (100 years); at most 36500 days are read.
inline constexpr int kCreamsMaxMonths = 1200;
inline constexpr int kCreamsMaxDays = 36500;

// One line of the table: "###.#" temperature and radiation texts (or "no data"),
// month of the year (or "-") and year 1, 2, ... counted from the first year of the data.
using CreamsLine = std::array<std::string, 4>;

// The grid: row 1 the headers, rows 2-120 the lines of month numbers 1-119.
class CreamsTable {
public:
    static constexpr int kRows = 120;
    static constexpr int kColumns = 4;

    // "" outside rows 1-120, columns 1-4.
    std::string_view text(int row, int column) const;
    // Empties rows 2-120, puts the headers into row 1 and the first 119 lines below them.
    void fill(const std::vector<CreamsLine>& lines, EstimatedDays estimated = {});
    // The headers only, and the message of a cell without a value the months would have
    // been made over: the temperature and radiation file is refused with it until the
    // next fill.
    void refuse(std::string missingValue);
    const std::string& refusal() const { return refusal_; }
    // The days whose radiation the lines were made with was estimated.
    const EstimatedDays& estimated() const { return estimated_; }

private:
    std::array<std::array<std::string, kColumns>, kRows> cells_;
    std::string refusal_;
    EstimatedDays estimated_;
};

// The lines for month numbers 1 to that of the last day. A month counts from January
// of the first year of the data, so the months before the first day are "no data".
// Throws RefusedInput for a date that is not a date and beyond the limits above, and
// MissingInput for days without their Tmin, Tmax or radiation. With `estimates`, a day
// without its radiation takes the estimate Compute would make of it (DayReader), counted
// in `estimated`.
std::vector<CreamsLine> CreamsMonthlyLines(const MeteoSheet& sheet, const ColumnMap& columns, const UnitSelection& units,
                                           const ModelEstimates* estimates = nullptr, EstimatedDays* estimated = nullptr);

} // namespace etp
