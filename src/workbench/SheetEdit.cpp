#include "workbench/SheetEdit.h"

#include <algorithm>

namespace etp {

namespace {

bool SameApplications(const std::vector<IrrigationApplication>& a, const std::vector<IrrigationApplication>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.row == y.row && x.date == y.date && x.amount == y.amount;
    });
}

// A few cells are set one by one; a long run rebuilds the column from the top, since
// setting a cell in the middle of a column moves every cell below it.
template <typename CellAt>
void PutRows(MeteoSheet& sheet, int column, int firstRow, std::size_t count, const CellAt& cellAt)
{
    constexpr std::size_t kFewCells = 16;
    if (count <= kFewCells) {
        for (std::size_t i = 0; i < count; ++i) sheet.setCellText(firstRow + static_cast<int>(i), column, cellAt(i));
        return;
    }
    const int lastRow = std::max(sheet.lastNonEmptyRow(), firstRow + static_cast<int>(count) - 1);
    std::vector<std::string> whole(static_cast<std::size_t>(lastRow));
    for (int r = 1; r <= lastRow; ++r) {
        const auto i = static_cast<std::size_t>(r - firstRow);
        const std::string_view text = r >= firstRow && i < count ? cellAt(i) : sheet.cellText(r, column);
        whole[static_cast<std::size_t>(r - 1)] = text;
    }
    for (int r = lastRow; r >= 1; --r) sheet.setCellText(r, column, "");
    for (int r = 1; r <= lastRow; ++r) sheet.setCellText(r, column, whole[static_cast<std::size_t>(r - 1)]);
}

} // namespace

void SheetEdit::Cells::add(std::string_view text)
{
    text_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

SheetEdit::Kept SheetEdit::KeptOf(const Workbench& workbench)
{
    return {workbench.sheet.revision(), workbench.previousMeanTemperature, workbench.turnedApplications,
            workbench.onDemandApplications, workbench.cropApplications, workbench.computed};
}

SheetEdit::SheetEdit(const Workbench& before) : start_(before.sheet), before_(KeptOf(before)) {}

bool SheetEdit::finish(Workbench& after)
{
    const MeteoSheet& was = *start_;
    const MeteoSheet& now = after.sheet;
    after_ = KeptOf(after);
    if (now.revision() != was.revision()) {
        const int columns = std::max(was.lastNonEmptyColumn(), now.lastNonEmptyColumn());
        const int rows = std::max(was.lastNonEmptyRow(), now.lastNonEmptyRow());
        for (int c = 1; c <= columns; ++c) {
            int first = 0, last = 0;
            for (int r = 1; r <= rows; ++r)
                if (was.cellText(r, c) != now.cellText(r, c)) {
                    if (first == 0) first = r;
                    last = r;
                }
            if (first == 0) continue;
            Span& span = spans_.emplace_back();
            span.column = c;
            span.firstRow = first;
            for (int r = first; r <= last; ++r) {
                span.before.add(was.cellText(r, c));
                span.after.add(now.cellText(r, c));
            }
        }
    }
    start_.reset();
    const bool keptChanged = after_.previousMeanTemperature != before_.previousMeanTemperature ||
                             !SameApplications(after_.turned, before_.turned) ||
                             !SameApplications(after_.onDemand, before_.onDemand) ||
                             !SameApplications(after_.crop, before_.crop) || after_.computed != before_.computed;
    if (spans_.empty()) {
        after.sheet.restoreRevision(before_.revision);
        after_.revision = before_.revision;
    }
    return !spans_.empty() || keptChanged;
}

SheetEdit SheetEdit::OfCell(const Workbench& after, int row, int column, std::string_view before,
                            std::uint64_t revisionBefore, const ComputedColumns& computedBefore)
{
    SheetEdit edit;
    edit.before_ = edit.after_ = KeptOf(after);
    edit.before_.revision = revisionBefore;
    edit.before_.computed = computedBefore;
    Span& span = edit.spans_.emplace_back();
    span.column = column;
    span.firstRow = row;
    span.before.add(before);
    span.after.add(after.sheet.cellText(row, column));
    return edit;
}

void SheetEdit::put(Workbench& workbench, const Kept& kept, bool after) const
{
    for (const Span& span : spans_) {
        const Cells& cells = after ? span.after : span.before;
        PutRows(workbench.sheet, span.column, span.firstRow, cells.size(), [&](std::size_t i) { return cells[i]; });
    }
    workbench.sheet.restoreRevision(kept.revision);
    workbench.previousMeanTemperature = kept.previousMeanTemperature;
    workbench.turnedApplications = kept.turned;
    workbench.onDemandApplications = kept.onDemand;
    workbench.cropApplications = kept.crop;
    workbench.computed = kept.computed;
}

} // namespace etp
