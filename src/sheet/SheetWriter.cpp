#include "sheet/SheetWriter.h"

#include <algorithm>

namespace etp {

bool SheetWriter::add(std::uint16_t row, std::uint16_t column, std::string_view text)
{
    if (text.empty()) return true;
    if (column >= MeteoSheet::kMaxColumns) {
        if (dropped_.size() <= column) dropped_.resize(column + std::size_t{1});
        dropped_[column] = true;
        return true;
    }
    if (text.size() > budget_ - used_) return false;
    used_ += text.size();
    // Another row, or a column the row already went past: what was gathered is written.
    if (row != row_ || column < ends_.size()) {
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
    const int row = row_ + 1;
    const std::string_view text(text_);
    cells_.clear();
    std::uint32_t begin = 0;
    for (const std::uint32_t end : ends_) {
        cells_.push_back(text.substr(begin, end - begin));
        begin = end;
    }
    if (sheet_.lastNonEmptyColumn(row) == 0) {
        sheet_.setRowCells(row, cells_);
    } else { // a row the file comes back to: its new cells join the ones written before
        for (std::size_t c = 0; c < cells_.size(); ++c)
            if (!cells_[c].empty()) sheet_.setCellText(row, static_cast<int>(c) + 1, cells_[c]);
    }
    text_.clear();
    ends_.clear();
}

int SheetWriter::finish()
{
    flush();
    return static_cast<int>(std::count(dropped_.begin(), dropped_.end(), true));
}

} // namespace etp
