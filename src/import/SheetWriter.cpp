#include "import/SheetWriter.h"

#include <algorithm>

namespace etp {

namespace {
constexpr const char* kTextFailure = "the sheet holds more text than an import may (128 MB)";
static_assert(ImportBudget::kCells == 20'000'000 && ImportBudget::kText == std::size_t{128} << 20,
              "the failures name the limits");
} // namespace

bool SheetWriter::reach(std::uint32_t lastRow, std::uint32_t column)
{
    if (lastRow >= kMaxRows) {
        failure_ = "the sheet has more rows than a workbook may (1048576)";
        return false;
    }
    if (column >= MeteoSheet::kMaxColumns) return true;
    if (reach_.size() <= column) reach_.resize(column + std::size_t{1});
    const std::uint32_t rows = lastRow + 1;
    if (rows <= reach_[column]) return true;
    if (rows - reach_[column] > budget_.cells) {
        failure_ = "the sheet holds more cells than an import may (20000000)";
        return false;
    }
    budget_.cells -= rows - reach_[column];
    reach_[column] = rows;
    return true;
}

bool SheetWriter::build(std::size_t bytes)
{
    if (bytes > budget_.built) {
        failure_ = kTextFailure;
        return false;
    }
    budget_.built -= bytes;
    return true;
}

bool SheetWriter::add(std::uint32_t row, std::uint32_t column, std::string_view text)
{
    if (text.empty()) return true;
    if (!reach(row, column)) return false;
    if (column >= MeteoSheet::kMaxColumns) {
        column = std::min(column, kMaxColumns);
        if (dropped_.size() <= column) dropped_.resize(column + std::size_t{1});
        dropped_[column] = true;
        return true;
    }
    if (text.size() > budget_.text) {
        failure_ = kTextFailure;
        return false;
    }
    budget_.text -= text.size();
    if (row < row_ || (row == row_ && column < ends_.size())) {
        late_.push_back({row, column, static_cast<std::uint32_t>(lateText_.size()), static_cast<std::uint32_t>(text.size())});
        lateText_ += text;
        return true;
    }
    if (row != row_) {
        flush();
        row_ = row;
    }
    ends_.resize(column, static_cast<std::uint32_t>(text_.size()));
    text_ += text;
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
    return true;
}

void SheetWriter::flush()
{
    if (ends_.empty()) return;
    const int row = static_cast<int>(row_) + 1;
    const std::string_view text(text_);
    cells_.clear();
    std::uint32_t begin = 0;
    for (const std::uint32_t end : ends_) {
        cells_.push_back(text.substr(begin, end - begin));
        begin = end;
    }
    if (sheet_.lastNonEmptyColumn(row) == 0) {
        sheet_.setCells(row, 1, cells_);
    } else { // a row that held cells before the import keeps those the file does not replace
        for (std::size_t c = 0; c < cells_.size(); ++c)
            if (!cells_[c].empty()) sheet_.setCellText(row, static_cast<int>(c) + 1, cells_[c]);
    }
    text_.clear();
    ends_.clear();
}

// Each row with late cells is read back and written once, whatever their number.
void SheetWriter::writeLateCells()
{
    std::stable_sort(late_.begin(), late_.end(),
                     [](const Late& a, const Late& b) { return a.row != b.row ? a.row < b.row : a.column < b.column; });
    std::vector<std::string> merged;
    for (std::size_t i = 0; i < late_.size();) {
        const int row = static_cast<int>(late_[i].row) + 1;
        merged.assign(static_cast<std::size_t>(sheet_.lastNonEmptyColumn(row)), std::string());
        for (std::size_t c = 0; c < merged.size(); ++c) merged[c] = sheet_.cellText(row, static_cast<int>(c) + 1);
        for (; i < late_.size() && static_cast<int>(late_[i].row) + 1 == row; ++i) {
            if (merged.size() <= late_[i].column) merged.resize(late_[i].column + std::size_t{1});
            merged[late_[i].column] = std::string_view(lateText_).substr(late_[i].begin, late_[i].length);
        }
        cells_.assign(merged.begin(), merged.end());
        sheet_.setCells(row, 1, cells_);
    }
    late_.clear();
    lateText_.clear();
}

int SheetWriter::finish()
{
    flush();
    writeLateCells();
    return droppedBefore_ + static_cast<int>(std::count(dropped_.begin(), dropped_.end(), true));
}

} // namespace etp
