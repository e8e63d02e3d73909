#pragma once
// Puts the cells of one worksheet into the data sheet as the file lists them: a row is
// gathered and then written in one go. Only cells with text cost anything, so a
// worksheet that declares 65536 x 256 cells but holds ten costs ten cells.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/MeteoSheet.h"

namespace etp {

class SheetWriter {
public:
    // All the text one import may hold; a worksheet beyond it is refused rather than let
    // a small file ask for gigabytes (one long shared string referenced by every cell).
    static constexpr std::size_t kTextBudget = std::size_t{256} << 20;

    // The most rows and columns a workbook holds (.xlsx and .ods alike; .xls holds 65536
    // and 256). Dropped columns past the last are counted as one.
    static constexpr std::uint32_t kMaxRows = std::uint32_t{1} << 20;
    static constexpr std::uint32_t kMaxColumns = std::uint32_t{1} << 14;

    explicit SheetWriter(MeteoSheet& sheet, std::size_t textBudget = kTextBudget) : sheet_(sheet), budget_(textBudget) {}

    // Worksheet cell (row, column), counted from 0, goes to sheet row + 1, column + 1; an
    // empty text is no cell, and of two cells at one place the later wins. Columns beyond
    // MeteoSheet::kMaxColumns are only counted. False, and nothing kept, past the budget
    // or past kMaxRows; failure() says which.
    bool add(std::uint32_t row, std::uint32_t column, std::string_view text);
    const char* failure() const { return failure_; }
    // Columns beyond the sheet's reach that held text in a copy read before.
    void countDropped(int columns) { droppedBefore_ += columns; }
    // Writes what is still gathered; answers how many columns beyond the sheet's reach
    // held text.
    int finish();

private:
    struct Late {
        std::uint32_t row, column;
        std::uint32_t begin, length;
    };
    void flush();
    void writeLateCells();

    MeteoSheet& sheet_;
    std::size_t budget_;
    std::size_t used_ = 0;
    std::int64_t row_ = -1;           // the worksheet row being gathered
    std::string text_;                // its cells' texts back to back
    std::vector<std::uint32_t> ends_; // end of column c's text in text_
    std::vector<std::string_view> cells_;
    // Cells of rows already written, or out of order in their row: rare in real files,
    // so kept aside and merged into their rows once, at the end.
    std::vector<Late> late_;
    std::string lateText_;
    std::vector<bool> dropped_;
    int droppedBefore_ = 0;
    const char* failure_ = nullptr;
};

} // namespace etp
