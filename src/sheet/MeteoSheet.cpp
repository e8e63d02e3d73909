#include "sheet/MeteoSheet.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

namespace etp {

MeteoSheet::MeteoSheet() : captions_(kInitialColumns + 1) {}

namespace {

// Room a row keeps beyond what it holds when it is made or grows: a few result cells.
constexpr std::size_t kSpareCells = 4;
constexpr std::size_t kSpareText = 24;

// Whether text lies inside the bytes [first, first + size).
bool Inside(std::string_view text, const char* first, std::size_t size)
{
    const std::less<const char*> before;
    return !text.empty() && !before(text.data(), first) && before(text.data(), first + size);
}

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
    // A value read from this very row is copied before the row moves or shifts its text.
    std::string copy;
    if (Inside(value, text(), textCapacity_)) value = copy.assign(value);
    if (c >= count_) {
        // Beyond the row's last cell (Compute's results): the text only grows at its end.
        if (value.empty()) return;
        reserve(c + 1, textSize_ + value.size());
        std::fill(block_.get() + count_, block_.get() + c, textSize_);
        std::copy_n(value.data(), value.size(), textData() + textSize_);
        textSize_ += static_cast<std::uint32_t>(value.size());
        block_[c] = textSize_;
        count_ = static_cast<std::uint16_t>(c + 1);
        return;
    }
    const std::uint32_t begin = c == 0 ? 0 : block_[c - 1];
    const std::uint32_t oldEnd = block_[c];
    reserve(count_, textSize_ - (oldEnd - begin) + value.size());
    char* const bytes = textData();
    std::memmove(bytes + begin + value.size(), bytes + oldEnd, textSize_ - oldEnd);
    std::copy_n(value.data(), value.size(), bytes + begin);
    const auto delta = static_cast<std::uint32_t>(value.size() - (oldEnd - begin)); // modulo 2^32, as the ends are
    for (std::size_t k = c; k < count_; ++k) block_[k] += delta;
    textSize_ += delta;
    trim();
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

void MeteoSheet::Row::assign(const std::uint32_t* ends, std::size_t count, const char* text)
{
    *this = Row();
    if (count == 0) return;
    const std::uint32_t bytes = ends[count - 1];
    reserve(count, bytes);
    std::copy_n(ends, count, block_.get());
    std::copy_n(text, bytes, textData());
    count_ = static_cast<std::uint16_t>(count);
    textSize_ = bytes;
}

void MeteoSheet::Row::trim()
{
    while (count_ > 0 && block_[count_ - 1] == (count_ > 1 ? block_[count_ - 2] : 0)) --count_;
    if (count_ == 0) *this = Row();
}

std::size_t MeteoSheet::Row::memoryBytes() const
{
    return block_ ? cellCapacity_ * sizeof(std::uint32_t) + textCapacity_ : 0;
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
    const auto r = static_cast<std::size_t>(row - 1);
    if (firstColumn == 1 && row >= 1 && (r >= rows_.size() || rows_[r].empty())) {
        const char* p = text.data();
        return fillEmptyRow<false>(row, last, p, p + text.size());
    }
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

int MeteoSheet::setLineText(int row, std::string_view bytes, std::size_t& position)
{
    const auto r = static_cast<std::size_t>(row - 1);
    const char* const begin = bytes.data();
    position = std::min(position, bytes.size());
    if (row >= 1 && (r >= rows_.size() || rows_[r].empty())) {
        const char* p = begin + position;
        const int dropped = fillEmptyRow<true>(row, kMaxColumns, p, begin + bytes.size());
        position = static_cast<std::size_t>(p - begin);
        return dropped;
    }
    const std::size_t end = std::min(bytes.find('\r', position), bytes.size());
    const int dropped = setBlockText(row, 1, kMaxColumns, bytes.substr(position, end - position));
    position = end;
    return dropped;
}

// The import's case: a whole line into an empty row, built in one go. One pass over the
// bytes copies the cells' texts (the line without its TABs) and notes where each cell
// ends; the row then takes one allocation. A line (kLine) stops at its CR, which p is
// left on; otherwise the text runs to its end.
template <bool kLine>
int MeteoSheet::fillEmptyRow(int row, int lastColumn, const char*& p, const char* const end)
{
    const auto kept = static_cast<std::size_t>(std::clamp(lastColumn, 0, kMaxColumns));
    std::array<std::uint32_t, kMaxColumns> ends;
    std::size_t count = 0;
    // The cells' texts: on the stack, or on the heap for a long line.
    std::array<char, 2048> local;
    std::string large;
    char* out = local.data();
    std::size_t capacity = local.size();
    std::size_t length = 0;
    bool rest = true; // fields beyond the last column follow
    if (kept > 0) {
        rest = false;
        for (; p != end; ++p) {
            const char ch = *p;
            if (kLine && ch == '\r') break;
            if (ch != '\t') {
                if (length == capacity) {
                    large.resize(2 * capacity);
                    if (out == local.data()) std::copy_n(local.data(), length, large.data());
                    out = large.data();
                    capacity = large.size();
                }
                out[length++] = ch;
                continue;
            }
            ends[count++] = static_cast<std::uint32_t>(length);
            if (count == kept) {
                ++p;
                rest = true;
                break;
            }
        }
        if (!rest) ends[count++] = static_cast<std::uint32_t>(length);
    }
    // The fields beyond the last column: only the non-empty ones count.
    int dropped = 0;
    if (rest) {
        const char* field = p;
        for (; p != end && !(kLine && *p == '\r'); ++p)
            if (*p == '\t') {
                dropped += p != field ? 1 : 0;
                field = p + 1;
            }
        dropped += p != field ? 1 : 0;
    }
    // No empty cell at the end of a row.
    while (count > 0 && ends[count - 1] == (count > 1 ? ends[count - 2] : 0)) --count;
    if (count > 0) {
        growRows(row);
        growColumns(static_cast<int>(count));
        const auto r = static_cast<std::size_t>(row - 1);
        if (r >= rows_.size()) rows_.resize(r + 1);
        rows_[r].assign(ends.data(), count, out);
    }
    return dropped;
}

int MeteoSheet::setRowCells(int row, std::span<const std::string_view> cells)
{
    if (row < 1) return 0;
    const std::size_t kept = std::min(cells.size(), static_cast<std::size_t>(kMaxColumns));
    int dropped = 0;
    for (std::size_t c = kept; c < cells.size(); ++c) dropped += cells[c].empty() ? 0 : 1;
    std::size_t count = kept;
    while (count > 0 && cells[count - 1].empty()) --count;
    const auto r = static_cast<std::size_t>(row - 1);
    if (count > 0) {
        growRows(row);
        growColumns(static_cast<int>(count));
        if (r >= rows_.size()) rows_.resize(r + 1);
    }
    if (r < rows_.size()) {
        rows_[r] = Row();
        rows_[r].append(0, cells.first(count));
    }
    while (!rows_.empty() && rows_.back().empty()) rows_.pop_back();
    return dropped;
}

void MeteoSheet::clearBlock(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    firstRow = std::max(firstRow, 1);
    firstColumn = std::max(firstColumn, 1);
    lastRow = std::min(lastRow, static_cast<int>(rows_.size()));
    for (int r = firstRow; r <= lastRow; ++r) {
        Row& cells = rows_[static_cast<std::size_t>(r - 1)];
        if (firstColumn == 1 && lastColumn >= static_cast<int>(cells.size())) {
            cells = Row();
            continue;
        }
        const int end = std::min(lastColumn, static_cast<int>(cells.size()));
        for (int c = end; c >= firstColumn; --c) cells.set(static_cast<std::size_t>(c - 1), {});
    }
    while (!rows_.empty() && rows_.back().empty()) rows_.pop_back();
}

void MeteoSheet::reserveRows(int rows)
{
    if (rows > 0) rows_.reserve(static_cast<std::size_t>(rows));
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

std::size_t MeteoSheet::textBytes() const
{
    std::size_t bytes = 0;
    for (const Row& cells : rows_) bytes += cells.textSize();
    return bytes;
}

std::size_t MeteoSheet::memoryBytes() const
{
    std::size_t bytes = sizeof(*this) + rows_.capacity() * sizeof(Row);
    for (const Row& cells : rows_) bytes += cells.memoryBytes();
    for (const auto& s : captions_) bytes += sizeof(std::string) + (s.capacity() > 15 ? s.capacity() + 1 : 0);
    return bytes;
}

} // namespace etp
