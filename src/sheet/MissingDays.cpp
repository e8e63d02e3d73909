#include "sheet/MissingDays.h"

#include <algorithm>
#include <cctype>

#include "sheet/NumericValue.h"

namespace etp {

namespace {

bool Any(const std::vector<ColumnGaps>& columns, GapRemedy remedy)
{
    return std::any_of(columns.begin(), columns.end(), [remedy](const ColumnGaps& c) { return c.remedy == remedy; });
}

} // namespace

void MissingDays::add(std::string_view name, GapRemedy remedy, int row)
{
    auto it = std::find_if(columns_.begin(), columns_.end(), [&](const ColumnGaps& c) { return c.name == name; });
    if (it == columns_.end()) it = columns_.insert(columns_.end(), ColumnGaps{std::string(name), remedy, 0, {}});
    ++it->count;
    if (it->firstRows.size() < kRowsShown) it->firstRows.push_back(dates_.row(row));
}

void MissingDays::addCells(const MeteoSheet& sheet, ReadColumn read, std::string_view name, GapRemedy remedy, int first,
                           int last)
{
    if (read.column == 0) return;
    for (int r = first; r <= last; ++r) {
        const std::string_view text = sheet.cellText(r, read.column);
        if (read.rain ? !RainValue(text) : IsMissingValue(text)) add(name, remedy, r);
    }
}

std::string MissingDays::message(std::string_view notDone) const
{
    std::string text;
    for (const ColumnGaps& c : columns_) {
        text += c.name + ": " + std::to_string(c.count) + (c.count == 1 ? " day" : " days") + " missing: ";
        for (std::size_t k = 0; k < c.firstRows.size(); ++k) text += (k == 0 ? "" : ", ") + c.firstRows[k];
        if (c.count > static_cast<int>(c.firstRows.size())) text += ", ...";
        text += '\n';
    }
    std::string done(notDone);
    if (!done.empty()) done[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(done[0])));
    const bool estimate = Any(columns_, GapRemedy::Estimate), computeAgain = Any(columns_, GapRemedy::ComputeAgain);
    if (estimate && computeAgain)
        return text + done + ": estimate them in Option > Missing data (and compute the ET again), or fill the cells.";
    if (estimate) return text + done + ": estimate them in Option > Missing data, or fill the cells.";
    if (computeAgain)
        return text + done + ": compute the ET again with the estimates of Option > Missing data, or fill the cells.";
    return text + done + ": fill the cells (temperatures and rain are never estimated).";
}

} // namespace etp
