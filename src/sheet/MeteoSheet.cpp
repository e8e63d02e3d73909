#include "sheet/MeteoSheet.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <stdexcept>

namespace etp {

MeteoSheet::MeteoSheet() : captions_(kInitialColumns + 1) {}

void MeteoSheet::Column::set(std::size_t i, std::string_view value)
{
    // The value may be a view of this very column's text: std::string's append and
    // replace copy such a range before they move it.
    const std::size_t begin = i == 0 ? 0 : i <= size() ? ends_[i - 1] : text_.size();
    const std::size_t length = i < size() ? ends_[i] - begin : 0;
    if (text_.size() - length + value.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("column text too long");
    if (i >= size()) {
        // Past the last row kept: the rows between stay empty.
        if (value.empty()) return;
        if (i > size()) ends_.resize(i, static_cast<std::uint32_t>(text_.size()));
        text_.append(value);
        ends_.push_back(static_cast<std::uint32_t>(text_.size()));
        return;
    }
    const std::size_t newLength = value.size();
    text_.replace(begin, length, value);
    for (std::size_t k = i; k < size(); ++k) ends_[k] = static_cast<std::uint32_t>(ends_[k] - length + newLength);
    while (!ends_.empty() && ends_.back() == (size() > 1 ? ends_[size() - 2] : 0)) ends_.pop_back();
}

bool MeteoSheet::setCellText(int row, int column, std::string_view text)
{
    return setCells(row, column, {&text, 1});
}

bool MeteoSheet::setCells(int row, int firstColumn, std::span<const std::string_view> cells)
{
    if (row < 1 || firstColumn < 1 || static_cast<long>(firstColumn) - 1 + static_cast<long>(cells.size()) > kMaxColumns)
        return false;
    // Empty cells at the end make no room.
    std::size_t count = cells.size();
    while (count > 0 && cells[count - 1].empty()) --count;
    const auto r = static_cast<std::size_t>(row - 1);
    const auto first = static_cast<std::size_t>(firstColumn - 1);
    touch();
    if (count > 0) {
        growRows(row);
        growColumns(static_cast<int>(first + count));
        if (columns_.size() < first + count) columns_.resize(first + count);
    }
    for (std::size_t k = 0; k < cells.size() && first + k < columns_.size(); ++k) columns_[first + k].set(r, cells[k]);
    return true;
}

void MeteoSheet::touch()
{
    // Shared by every sheet of the process (the batch tool may hold several at once).
    static std::atomic<std::uint64_t> last{0};
    revision_ = last.fetch_add(1, std::memory_order_relaxed) + 1;
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
    std::size_t last = 0;
    for (const Column& column : columns_) last = std::max(last, column.size());
    return static_cast<int>(last);
}

int MeteoSheet::lastNonEmptyColumn() const
{
    for (std::size_t c = columns_.size(); c > 0; --c)
        if (columns_[c - 1].size() > 0) return static_cast<int>(c);
    return 0;
}

int MeteoSheet::lastNonEmptyColumn(int row) const
{
    if (row < 1) return 0;
    const auto r = static_cast<std::size_t>(row - 1);
    for (std::size_t c = columns_.size(); c > 0; --c)
        if (r < columns_[c - 1].size() && !columns_[c - 1].cell(r).empty()) return static_cast<int>(c);
    return 0;
}

void MeteoSheet::appendRowsText(int firstRow, int lastRow, int columns, std::string& out) const
{
    if (firstRow < 1 || lastRow < firstRow) return;
    const auto first = static_cast<std::size_t>(firstRow - 1), end = static_cast<std::size_t>(lastRow);
    const auto fields = static_cast<std::size_t>(std::max(columns, 0));
    const std::size_t kept = std::min(fields, columns_.size());
    // The lines' exact length first, so that they are written straight into place rather
    // than appended cell by cell: this halves the time of saving a station's sheet.
    std::size_t length = (end - first) * ((fields > 0 ? fields - 1 : 0) + 2); // the TABs and CR LFs
    for (std::size_t c = 0; c < kept; ++c) length += columns_[c].textLength(first, end);
    const std::size_t start = out.size();
    out.resize(start + length);
    char* p = out.data() + start;
    for (std::size_t r = first; r < end; ++r) {
        for (std::size_t c = 0; c < fields; ++c) {
            if (c > 0) *p++ = '\t';
            if (c >= kept || r >= columns_[c].size()) continue;
            for (const char ch : columns_[c].cell(r)) *p++ = ch == '\t' || ch == '\r' || ch == '\n' ? ' ' : ch;
        }
        *p++ = '\r';
        *p++ = '\n';
    }
}

} // namespace etp
