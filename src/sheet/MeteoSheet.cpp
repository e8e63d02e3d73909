#include "sheet/MeteoSheet.h"

#include <algorithm>

namespace etp {

MeteoSheet::MeteoSheet() : captions_(kInitialColumns + 1) {}

std::string_view MeteoSheet::cellText(int row, int column) const
{
    if (row == 0) return caption(column);
    if (row < 1 || column < 1 || row > rowCount_ || column > columnCount_) return {};
    const auto r = static_cast<std::size_t>(row - 1);
    if (r >= rows_.size()) return {};
    const Row& cells = rows_[r];
    const auto c = static_cast<std::size_t>(column - 1);
    return c < cells.size() ? std::string_view(cells[c]) : std::string_view();
}

void MeteoSheet::trimRow(Row& row)
{
    while (!row.empty() && row.back().empty()) row.pop_back();
}

bool MeteoSheet::setCellText(int row, int column, std::string_view text)
{
    if (row < 1 || column < 1 || column > kMaxColumns) return false;
    const auto r = static_cast<std::size_t>(row - 1);
    const auto c = static_cast<std::size_t>(column - 1);
    if (text.empty()) {
        if (r < rows_.size() && c < rows_[r].size()) {
            rows_[r][c].clear();
            trimRow(rows_[r]);
        }
        return true;
    }
    growRows(row);
    growColumns(column);
    if (r >= rows_.size()) rows_.resize(r + 1);
    Row& cells = rows_[r];
    if (c >= cells.size()) cells.resize(c + 1);
    cells[c].assign(text);
    return true;
}

std::string MeteoSheet::blockText(int row, int firstColumn, int lastColumn) const
{
    firstColumn = std::max(firstColumn, 1);
    lastColumn = std::min(lastColumn, columnCount_);
    int last = firstColumn - 1;
    for (int c = lastColumn; c >= firstColumn; --c)
        if (!cellText(row, c).empty()) {
            last = c;
            break;
        }
    std::string text;
    for (int c = firstColumn; c <= last; ++c) {
        if (c > firstColumn) text += '\t';
        text += cellText(row, c);
    }
    return text;
}

int MeteoSheet::setBlockText(int row, int firstColumn, int lastColumn, std::string_view text)
{
    const int last = std::min(lastColumn, kMaxColumns);
    int column = firstColumn;
    int dropped = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = text.find('\t', start);
        const std::string_view field = text.substr(start, tab == std::string_view::npos ? text.npos : tab - start);
        if (column <= last && column >= 1)
            setCellText(row, column, field);
        else if (!field.empty())
            ++dropped;
        ++column;
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return dropped;
}

void MeteoSheet::clearBlock(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    firstRow = std::max(firstRow, 1);
    firstColumn = std::max(firstColumn, 1);
    lastRow = std::min(lastRow, static_cast<int>(rows_.size()));
    for (int r = firstRow; r <= lastRow; ++r) {
        Row& cells = rows_[static_cast<std::size_t>(r - 1)];
        const int end = std::min(lastColumn, static_cast<int>(cells.size()));
        for (int c = firstColumn; c <= end; ++c) cells[static_cast<std::size_t>(c - 1)].clear();
        trimRow(cells);
        if (cells.empty()) Row().swap(cells);
    }
    while (!rows_.empty() && rows_.back().empty()) rows_.pop_back();
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
        if (!rows_[r - 1].empty()) return static_cast<int>(r);
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

std::size_t MeteoSheet::memoryBytes() const
{
    auto textBytes = [](const std::string& s) {
        // Short texts live inside the string object itself.
        return sizeof(std::string) + (s.capacity() > 15 ? s.capacity() + 1 : 0);
    };
    std::size_t bytes = sizeof(*this) + rows_.capacity() * sizeof(Row);
    for (const Row& cells : rows_) {
        bytes += (cells.capacity() - cells.size()) * sizeof(std::string);
        for (const auto& s : cells) bytes += textBytes(s);
    }
    for (const auto& s : captions_) bytes += textBytes(s);
    return bytes;
}

} // namespace etp
