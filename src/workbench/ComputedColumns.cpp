#include "workbench/ComputedColumns.h"

#include <algorithm>

#include "et/MethodTable.h"
#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"
#include "workbench/MethodCommands.h"
#include "workbench/Workbench.h"

namespace etp {

namespace {

// The columns the boxes name, each once.
std::vector<int> InputColumns(const ColumnMap& columns)
{
    std::vector<int> inputs;
    for (const ColumnBox box : kAllColumnBoxes)
        if (const int c = columns.available(box) ? columns.column(box) : 0; c != 0) inputs.push_back(c);
    std::sort(inputs.begin(), inputs.end());
    inputs.erase(std::unique(inputs.begin(), inputs.end()), inputs.end());
    return inputs;
}

// The box that names a column as a number column: any but the date, which holds text.
std::optional<ColumnBox> NumberBoxOf(const ColumnMap& columns, int column)
{
    for (const ColumnBox box : kAllColumnBoxes)
        if (box != ColumnBox::Date && columns.available(box) && columns.column(box) == column) return box;
    return std::nullopt;
}

} // namespace

ComputeOutcome ComputeAndRecord(Workbench& workbench, UserInterface& ui)
{
    const int before = UsedColumnCount(workbench.sheet);
    const std::vector<int> inputs = InputColumns(workbench.columns);
    const ComputeOutcome outcome = ComputeResults(workbench, ui);
    if (outcome != ComputeOutcome::Completed && outcome != ComputeOutcome::Stopped) return outcome;
    ComputedColumns fresh;
    const int after = UsedColumnCount(workbench.sheet);
    // Compute puts the "Estimated" column after the run's results.
    const int estimated = after > before && workbench.sheet.cellText(1, after) == kEstimatedLabel ? after : 0;
    for (int c = before + 1; c <= after; ++c)
        if (const auto method = MethodOfLabel(workbench.sheet.cellText(1, c)))
            fresh.push_back({*method, c, inputs, false, estimated});
    std::erase_if(workbench.computed, [&](const ComputedColumn& kept) {
        return kept.column > before || std::any_of(fresh.begin(), fresh.end(), [&](const ComputedColumn& made) {
                   return made.method == kept.method;
               });
    });
    workbench.computed.insert(workbench.computed.end(), fresh.begin(), fresh.end());
    return outcome;
}

bool MarkResultsOutOfDate(Workbench& workbench, int row, int column)
{
    if (row < 2) return false; // a title is no input
    bool marked = false;
    for (ComputedColumn& result : workbench.computed) {
        if (result.outOfDate || !std::binary_search(result.inputs.begin(), result.inputs.end(), column)) continue;
        result.outOfDate = true;
        marked = true;
    }
    return marked;
}

bool IsOutOfDate(const Workbench& workbench, int column)
{
    return std::any_of(workbench.computed.begin(), workbench.computed.end(),
                       [column](const ComputedColumn& result) { return result.column == column && result.outOfDate; });
}

std::string OutOfDateText(const Workbench& workbench)
{
    std::string text;
    for (const ComputedColumn& result : workbench.computed) {
        if (!result.outOfDate) continue;
        if (!text.empty()) text += ", ";
        text += std::string(Info(result.method).label) + " (col " + std::to_string(result.column) + ")";
    }
    if (!text.empty()) text += " out of date: inputs edited since Compute";
    return text;
}

bool IsNotANumberInput(const Workbench& workbench, int row, int column)
{
    if (row < 2 || !NumberBoxOf(workbench.columns, column)) return false;
    const std::string_view text = workbench.sheet.cellText(row, column);
    return !text.empty() && text != "." && !IsNumberText(text);
}

std::optional<std::string> NotANumberText(const Workbench& workbench, int row, int column)
{
    if (!IsNotANumberInput(workbench, row, column)) return std::nullopt;
    const std::string text(workbench.sheet.cellText(row, column));
    std::string where = "Row " + std::to_string(row);
    if (const std::string date = RowDates(workbench.sheet, workbench.columns).text(row); !date.empty())
        where += " (" + date + ")";
    where += std::string(", ") + kVariableCaptions[*NumberBoxOf(workbench.columns, column)];
    const auto value = MeasuredValue(text);
    return where + ": \"" + text + "\" is not a number (Compute reads " +
           (value ? DecimalText(*value) : std::string("it as missing")) + ")";
}

} // namespace etp
