#include "sheet/MeteoSheet.h"

#include <algorithm>
#include <array>

namespace etp {

MeteoSheet::MeteoSheet() : captions_(kInitialColumns + 1) {}

void MeteoSheet::Row::set(std::size_t c, std::string_view value)
{
    if (c >= ends.size()) {
        // Beyond the row's last cell (Compute's results): the text only grows at its end.
        if (value.empty()) return;
        ends.resize(c, static_cast<std::uint32_t>(text.size()));
        text.append(value);
        ends.push_back(static_cast<std::uint32_t>(text.size()));
        return;
    }
    const std::uint32_t begin = c == 0 ? 0 : ends[c - 1];
    const std::uint32_t oldLength = ends[c] - begin;
    text.replace(begin, oldLength, value);
    const auto delta = static_cast<std::uint32_t>(value.size() - oldLength); // modulo 2^32, as the ends are
    for (std::size_t k = c; k < ends.size(); ++k) ends[k] += delta;
    trim();
}

void MeteoSheet::Row::trim()
{
    while (!ends.empty() && ends.back() == (ends.size() > 1 ? ends[ends.size() - 2] : 0)) ends.pop_back();
    if (ends.empty()) {
        std::string().swap(text);
        std::vector<std::uint32_t>().swap(ends);
    }
}

std::string_view MeteoSheet::cellText(int row, int column) const
{
    // The data cells first: every reader of the sheet asks for them, row by row.
    const auto r = static_cast<std::size_t>(row) - 1;   // row 0 and below wrap to the largest values
    const auto c = static_cast<std::size_t>(column) - 1;
    if (r < rows_.size() && c < rows_[r].ends.size() && row <= rowCount_ && column <= columnCount_) {
        const Row& cells = rows_[r];
        const std::uint32_t begin = c == 0 ? 0 : cells.ends[c - 1];
        return {cells.text.data() + begin, cells.ends[c] - begin};
    }
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
    if (r < rows_.size() && rows_[r].ends.size() > first) {
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
    Row& target = rows_[r];
    std::size_t bytes = target.text.size();
    for (std::size_t k = 0; k < count; ++k) bytes += cells[k].size();
    target.text.reserve(bytes);
    target.ends.reserve(first + count);
    target.ends.resize(first, static_cast<std::uint32_t>(target.text.size()));
    for (std::size_t k = 0; k < count; ++k) {
        target.text += cells[k];
        target.ends.push_back(static_cast<std::uint32_t>(target.text.size()));
    }
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
    if (firstColumn == 1 && row >= 1 && (r >= rows_.size() || rows_[r].empty())) return fillEmptyRow(row, last, text);
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

// The import's case: a whole line into an empty row, built in one go. The cells' texts
// are the line without its TABs; one pass copies them and notes where each cell ends,
// and the row takes two allocations of their final size.
int MeteoSheet::fillEmptyRow(int row, int lastColumn, std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    const auto kept = static_cast<std::size_t>(std::clamp(lastColumn, 0, kMaxColumns));
    std::array<std::uint32_t, kMaxColumns> ends;
    std::size_t count = 0;
    Row filled;
    filled.text.resize(text.size());
    char* const out = filled.text.data();
    std::size_t length = 0;
    bool rest = true; // fields beyond the last column follow
    if (kept > 0) {
        rest = false;
        for (; p != end; ++p) {
            if (*p != '\t') {
                out[length++] = *p;
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
    filled.text.resize(length);
    filled.ends.assign(ends.begin(), ends.begin() + static_cast<std::ptrdiff_t>(count));
    // The fields beyond the last column: only the non-empty ones count.
    int dropped = 0;
    if (rest) {
        const char* field = p;
        for (; p != end; ++p)
            if (*p == '\t') {
                dropped += p != field ? 1 : 0;
                field = p + 1;
            }
        dropped += end != field ? 1 : 0;
    }
    filled.trim();
    if (!filled.empty()) {
        growRows(row);
        growColumns(static_cast<int>(filled.ends.size()));
        const auto r = static_cast<std::size_t>(row - 1);
        if (r >= rows_.size()) rows_.resize(r + 1);
        rows_[r] = std::move(filled);
    }
    return dropped;
}

int MeteoSheet::setRowCells(int row, std::span<const std::string_view> cells)
{
    if (row < 1) return 0;
    const std::size_t kept = std::min(cells.size(), static_cast<std::size_t>(kMaxColumns));
    int dropped = 0;
    for (std::size_t c = kept; c < cells.size(); ++c) dropped += cells[c].empty() ? 0 : 1;
    std::size_t bytes = 0;
    for (std::size_t c = 0; c < kept; ++c) bytes += cells[c].size();
    Row filled;
    filled.text.reserve(bytes);
    filled.ends.reserve(kept);
    for (std::size_t c = 0; c < kept; ++c) {
        filled.text += cells[c];
        filled.ends.push_back(static_cast<std::uint32_t>(filled.text.size()));
    }
    filled.trim();
    const auto r = static_cast<std::size_t>(row - 1);
    if (!filled.empty()) {
        growRows(row);
        growColumns(static_cast<int>(filled.ends.size()));
        if (r >= rows_.size()) rows_.resize(r + 1);
    }
    if (r < rows_.size()) rows_[r] = std::move(filled);
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
        if (firstColumn == 1 && lastColumn >= static_cast<int>(cells.ends.size())) {
            cells = Row();
            continue;
        }
        const int end = std::min(lastColumn, static_cast<int>(cells.ends.size()));
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
    for (const Row& cells : rows_) last = std::max(last, cells.ends.size());
    return static_cast<int>(last);
}

int MeteoSheet::lastNonEmptyColumn(int row) const
{
    if (row < 1 || static_cast<std::size_t>(row) > rows_.size()) return 0;
    return static_cast<int>(rows_[static_cast<std::size_t>(row - 1)].ends.size());
}

void MeteoSheet::appendRowText(int row, int columns, std::string& out) const
{
    if (columns < 1) return;
    const auto r = static_cast<std::size_t>(row) - 1; // row 0 and below wrap to the largest values
    const Row* cells = r < rows_.size() && row <= rowCount_ ? &rows_[r] : nullptr;
    const std::size_t count = cells ? std::min(cells->ends.size(), static_cast<std::size_t>(std::min(columns, columnCount_))) : 0;
    const std::size_t bytes = count > 0 ? cells->ends[count - 1] : 0;
    const std::size_t start = out.size();
    out.resize(start + bytes + static_cast<std::size_t>(columns - 1));
    char* p = out.data() + start;
    std::uint32_t begin = 0;
    for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) *p++ = '\t';
        const std::uint32_t end = cells->ends[c];
        for (std::uint32_t k = begin; k < end; ++k) {
            const char ch = cells->text[k];
            *p++ = ch == '\t' || ch == '\r' ? ' ' : ch;
        }
        begin = end;
    }
    for (std::size_t c = std::max<std::size_t>(count, 1); c < static_cast<std::size_t>(columns); ++c) *p++ = '\t';
}

std::size_t MeteoSheet::textBytes() const
{
    std::size_t bytes = 0;
    for (const Row& cells : rows_) bytes += cells.text.size();
    return bytes;
}

std::size_t MeteoSheet::memoryBytes() const
{
    auto textBytes = [](const std::string& s) {
        // Short texts live inside the string object itself.
        return sizeof(std::string) + (s.capacity() > 15 ? s.capacity() + 1 : 0);
    };
    std::size_t bytes = sizeof(*this) + rows_.capacity() * sizeof(Row);
    for (const Row& cells : rows_) {
        bytes += textBytes(cells.text) - sizeof(std::string);
        bytes += cells.ends.capacity() * sizeof(std::uint32_t);
    }
    for (const auto& s : captions_) bytes += textBytes(s);
    return bytes;
}

} // namespace etp
