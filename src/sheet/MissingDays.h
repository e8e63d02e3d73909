#pragma once
// The days a model file or an irrigation cannot read, column by column: a refusal that
// says how many days each column lacks, which ones, and how to go on.
#include <string>
#include <string_view>
#include <vector>

#include "sheet/MeteoSheet.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"

namespace etp {

// How the days of a column can be given their values.
enum class GapRemedy {
    Estimate,     // radiation, humidity, wind: Option > Missing data
    ComputeAgain, // an ET column: Compute with the estimates on
    Fill,         // temperatures and rain are never estimated
};

struct ColumnGaps {
    std::string name; // the variable's caption, or the column's title
    GapRemedy remedy = GapRemedy::Fill;
    int count = 0;
    std::vector<std::string> firstRows; // "row 45 (14/02/18)", the first kRowsShown
};

class MissingDays {
public:
    static constexpr std::size_t kRowsShown = 5;

    explicit MissingDays(const RowDates& dates) : dates_(dates) {}

    // A day of the column called `name` without its value; columns keep the order of
    // their first day.
    void add(std::string_view name, GapRemedy remedy, int row);
    // Every cell of `read` in rows first..last that holds no measurement (IsMissingValue;
    // RainValue in a rain column). A column 0 reads as 0 and lacks nothing.
    void addCells(const MeteoSheet& sheet, ReadColumn read, std::string_view name, GapRemedy remedy, int first, int last);

    bool empty() const { return columns_.empty(); }
    const std::vector<ColumnGaps>& columns() const { return columns_; }

    // "T° max: 3 days missing: row 45 (14/02/18), row 46 (15/02/18), row 90 (31/03/18)",
    // a line per column, then notDone ("the MACRO ETP file was not written") with the
    // way on: "estimate them in Option > Missing data, or fill the cells".
    std::string message(std::string_view notDone) const;

private:
    const RowDates& dates_;
    std::vector<ColumnGaps> columns_;
};

} // namespace etp
