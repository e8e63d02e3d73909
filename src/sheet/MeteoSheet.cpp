#include "sheet/MeteoSheet.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace etp {

MeteoSheet::MeteoSheet() : captions_(kInitialColumns + 1) {}

std::string_view MeteoSheet::Row::cell(std::size_t c) const
{
    if (c >= ends.size()) return {};
    const std::size_t begin = c == 0 ? 0 : ends[c - 1];
    return std::string_view(text).substr(begin, ends[c] - begin);
}

void MeteoSheet::Row::replace(std::size_t first, std::span<const std::string_view> cells)
{
    // The new row is built aside, so a value read from this very row stays valid.
    const std::size_t count = std::max(ends.size(), first + cells.size());
    auto newCell = [&](std::size_t c) { return c >= first && c - first < cells.size() ? cells[c - first] : cell(c); };
    std::size_t bytes = 0;
    for (std::size_t c = 0; c < count; ++c) bytes += newCell(c).size();
    if (bytes > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("cell text too long");
    Row row;
    row.text.reserve(bytes);
    row.ends.reserve(count);
    for (std::size_t c = 0; c < count; ++c) {
        row.text += newCell(c);
        row.ends.push_back(static_cast<std::uint32_t>(row.text.size()));
    }
    while (row.size() > 0 && row.cell(row.size() - 1).empty()) row.ends.pop_back();
    if (row.size() == 0) row = Row(); // an empty row keeps no memory
    *this = std::move(row);
}

std::string_view MeteoSheet::cellText(int row, int column) const
{
    if (row == 0) return caption(column);
    if (row < 1 || row > rowCount_ || column < 1 || column > columnCount_) return {};
    const auto r = static_cast<std::size_t>(row - 1);
    return r < rows_.size() ? rows_[r].cell(static_cast<std::size_t>(column - 1)) : std::string_view();
}

bool MeteoSheet::setCellText(int row, int column, std::string_view text)
{
    const std::string_view cells[] = {text};
    return setCells(row, column, cells);
}

bool MeteoSheet::setCells(int row, int firstColumn, std::span<const std::string_view> cells)
{
    if (row < 1 || firstColumn < 1 || static_cast<std::size_t>(firstColumn - 1) + cells.size() > kMaxColumns) return false;
    // The sheet grows to hold the last non-empty cell; empty cells only clear.
    std::size_t count = cells.size();
    while (count > 0 && cells[count - 1].empty()) --count;
    const auto r = static_cast<std::size_t>(row - 1);
    if (count > 0) {
        growRows(row);
        growColumns(firstColumn + static_cast<int>(count) - 1);
        if (r >= rows_.size()) rows_.resize(r + 1);
    }
    if (r < rows_.size()) rows_[r].replace(static_cast<std::size_t>(firstColumn - 1), cells);
    return true;
}

void MeteoSheet::growRows(int rows) { rowCount_ = std::max(rowCount_, rows); }

void MeteoSheet::growColumns(int columns)
{
    columnCount_ = std::max(columnCount_, std::min(columns, kMaxColumns));
    if (captions_.size() < static_cast<std::size_t>(columnCount_ + 1)) captions_.resize(columnCount_ + 1);
}

std::string_view MeteoSheet::caption(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= captions_.size()) return {};
    return captions_[static_cast<std::size_t>(column)];
}

void MeteoSheet::setCaption(int column, std::string_view text)
{
    if (column < 0 || column > columnCount_) return;
    captions_[static_cast<std::size_t>(column)].assign(text);
}

int MeteoSheet::lastNonEmptyRow() const
{
    for (std::size_t r = rows_.size(); r > 0; --r)
        if (rows_[r - 1].size() > 0) return static_cast<int>(r);
    return 0;
}

int MeteoSheet::lastNonEmptyColumn() const
{
    std::size_t last = 0;
    for (const Row& cells : rows_) last = std::max(last, cells.size());
    return static_cast<int>(last);
}

int MeteoSheet::lastNonEmptyColumn(int row) const
{
    if (row < 1 || static_cast<std::size_t>(row) > rows_.size()) return 0;
    return static_cast<int>(rows_[static_cast<std::size_t>(row - 1)].size());
}

void MeteoSheet::appendRowText(int row, int columns, std::string& out) const
{
    for (int c = 1; c <= columns; ++c) {
        if (c > 1) out += '\t';
        const std::size_t start = out.size();
        if (row >= 1) out += cellText(row, c); // row 0 holds captions, no data
        std::replace_if(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), [](char ch) { return ch == '\t' || ch == '\r'; }, ' ');
    }
}

} // namespace etp
