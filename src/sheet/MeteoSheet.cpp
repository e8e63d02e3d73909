#include "sheet/MeteoSheet.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace etp {

MeteoSheet::MeteoSheet() : captions_(kInitialColumns + 1) {}

namespace {

// Room a row keeps beyond what it holds when it is made or grows: a few result cells.
constexpr std::size_t kSpareCells = 4;
constexpr std::size_t kSpareText = 24;

} // namespace

MeteoSheet::Row::Row(const Row& other)
{
    if (other.empty()) return;
    reserve(other.count_, other.textSize_);
    std::copy_n(other.block_.get(), other.count_, block_.get());
    std::copy_n(other.text(), other.textSize_, textData());
    count_ = other.count_;
    textSize_ = other.textSize_;
}

MeteoSheet::Row& MeteoSheet::Row::operator=(const Row& other)
{
    if (this != &other) *this = Row(other);
    return *this;
}

void MeteoSheet::Row::reserve(std::size_t cells, std::size_t bytes)
{
    if (cells <= cellCapacity_ && bytes <= textCapacity_) return;
    // Cells stop at kMaxColumns, so their count fits; a text of 4 GiB does not.
    if (bytes > std::numeric_limits<std::uint32_t>::max() - kSpareText) throw std::length_error("cell text too long");
    const std::size_t cellCapacity = std::max<std::size_t>(cells, cellCapacity_) + kSpareCells;
    const std::size_t textCapacity = std::max<std::size_t>(bytes, textCapacity_) + kSpareText;
    const std::size_t words = cellCapacity + (textCapacity + sizeof(std::uint32_t) - 1) / sizeof(std::uint32_t);
    auto block = std::make_unique_for_overwrite<std::uint32_t[]>(words);
    std::copy_n(block_.get(), count_, block.get());
    std::copy_n(text(), textSize_, reinterpret_cast<char*>(block.get() + cellCapacity));
    block_ = std::move(block);
    cellCapacity_ = static_cast<std::uint16_t>(cellCapacity);
    textCapacity_ = static_cast<std::uint32_t>(textCapacity);
}

void MeteoSheet::Row::set(std::size_t c, std::string_view value)
{
    if (c >= count_) {
        // Beyond the row's last cell (Compute's results): the text grows at its end. The
        // value is copied first, as it may lie in this very row's text.
        if (value.empty()) return;
        const std::string copy(value);
        const std::string_view cellText = copy;
        append(c, {&cellText, 1});
        return;
    }
    // Inside the row: the row is built anew beside the old one, so a value read from this
    // very row stays valid while it is copied.
    Row row;
    row.reserve(count_, textSize_ + value.size());
    for (std::size_t k = 0; k < count_; ++k) {
        const std::string_view cellText = k == c ? value : cell(k);
        row.append(k, {&cellText, 1});
    }
    row.trim();
    *this = std::move(row);
}

void MeteoSheet::Row::append(std::size_t first, std::span<const std::string_view> cells)
{
    std::size_t bytes = textSize_;
    for (const std::string_view cell : cells) bytes += cell.size();
    reserve(first + cells.size(), bytes);
    std::fill(block_.get() + count_, block_.get() + first, textSize_);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        std::copy_n(cells[k].data(), cells[k].size(), textData() + textSize_);
        textSize_ += static_cast<std::uint32_t>(cells[k].size());
        block_[first + k] = textSize_;
    }
    count_ = static_cast<std::uint16_t>(first + cells.size());
}

void MeteoSheet::Row::trim()
{
    while (count_ > 0 && block_[count_ - 1] == (count_ > 1 ? block_[count_ - 2] : 0)) --count_;
    if (count_ == 0) *this = Row();
}

std::string_view MeteoSheet::cellText(int row, int column) const
{
    // The data cells first: every reader of the sheet asks for them, row by row.
    const auto r = static_cast<std::size_t>(row) - 1;   // row 0 and below wrap to the largest values
    const auto c = static_cast<std::size_t>(column) - 1;
    if (r < rows_.size() && c < rows_[r].size() && row <= rowCount_ && column <= columnCount_) return rows_[r].cell(c);
    return row == 0 ? caption(column) : std::string_view();
}

bool MeteoSheet::setCellText(int row, int column, std::string_view text)
{
    if (row < 1 || column < 1 || column > kMaxColumns) return false;
    const auto r = static_cast<std::size_t>(row - 1);
    const auto c = static_cast<std::size_t>(column - 1);
    if (text.empty()) {
        if (r < rows_.size()) rows_[r].set(c, text);
        return true;
    }
    if (row > rowCount_) growRows(row);
    if (column > columnCount_) growColumns(column);
    if (r >= rows_.size()) rows_.resize(r + 1);
    rows_[r].set(c, text);
    return true;
}

bool MeteoSheet::setCells(int row, int firstColumn, std::span<const std::string_view> cells)
{
    if (row < 1 || firstColumn < 1 || static_cast<long>(firstColumn) - 1 + static_cast<long>(cells.size()) > kMaxColumns)
        return false;
    const auto r = static_cast<std::size_t>(row - 1);
    const auto first = static_cast<std::size_t>(firstColumn - 1);
    if (r < rows_.size() && rows_[r].size() > first) {
        // Cells already there: one at a time.
        for (std::size_t k = 0; k < cells.size(); ++k) setCellText(row, firstColumn + static_cast<int>(k), cells[k]);
        return true;
    }
    // The row ends before the first cell: its text only grows at the end. Empty cells at
    // the end are no cells.
    std::size_t count = cells.size();
    while (count > 0 && cells[count - 1].empty()) --count;
    if (count == 0) return true;
    growRows(row);
    growColumns(firstColumn + static_cast<int>(count) - 1);
    if (r >= rows_.size()) rows_.resize(r + 1);
    rows_[r].append(first, cells.first(count));
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

void MeteoSheet::appendRowText(int row, int columns, std::string& out) const
{
    if (columns < 1) return;
    const auto r = static_cast<std::size_t>(row) - 1; // row 0 and below wrap to the largest values
    const Row* cells = r < rows_.size() && row <= rowCount_ ? &rows_[r] : nullptr;
    const std::size_t count = cells ? std::min(cells->size(), static_cast<std::size_t>(std::min(columns, columnCount_))) : 0;
    const std::size_t bytes = count > 0 ? cells->end(count - 1) : 0;
    const std::size_t start = out.size();
    out.resize(start + bytes + static_cast<std::size_t>(columns - 1));
    char* p = out.data() + start;
    const char* text = count > 0 ? cells->text() : nullptr;
    std::uint32_t begin = 0;
    for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) *p++ = '\t';
        const std::uint32_t end = cells->end(c);
        for (std::uint32_t k = begin; k < end; ++k) {
            const char ch = text[k];
            *p++ = ch == '\t' || ch == '\r' ? ' ' : ch;
        }
        begin = end;
    }
    for (std::size_t c = std::max<std::size_t>(count, 1); c < static_cast<std::size_t>(columns); ++c) *p++ = '\t';
}

} // namespace etp
