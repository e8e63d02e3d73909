#pragma once
// Puts the cells of one worksheet into the data sheet as the file lists them: a row is
// gathered and then written in one go. Only cells with text cost anything, so a
// worksheet that declares 65536 x 256 cells but holds ten costs ten cells.
//
// A small file can ask for gigabytes (one long shared string referenced by every cell, a
// row of cells repeated a million times), so one import has a budget no weather series
// comes near, and a worksheet beyond it is refused before it is held.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/MeteoSheet.h"

namespace etp {

// What one import may still hold, spent by every sheet a workbook reads. A century of
// hourly readings in twenty columns holds under 18 million cells and about 100 MB of text.
struct ImportBudget {
    static constexpr std::uint64_t kCells = 20'000'000;
    static constexpr std::size_t kText = std::size_t{128} << 20;

    // Cells the sheet holds: in each column, every row down to its last cell with text.
    std::uint64_t cells = kCells;
    // Bytes of the cells' text the sheet keeps.
    std::size_t text = kText;
    // Bytes of text built while reading cells, kept or not (a few bytes of markup may
    // ask for a million spaces in a column the sheet never holds).
    std::size_t built = kText;
};

class SheetWriter {
public:
    // The most rows and columns a workbook holds (.xlsx and .ods alike; .xls holds 65536
    // and 256). Dropped columns past the last are counted as one.
    static constexpr std::uint32_t kMaxRows = std::uint32_t{1} << 20;
    static constexpr std::uint32_t kMaxColumns = std::uint32_t{1} << 14;

    // With a budget of its own, or with one it shares with the other sheets of a workbook.
    explicit SheetWriter(MeteoSheet& sheet) : sheet_(sheet), budget_(own_) {}
    SheetWriter(MeteoSheet& sheet, ImportBudget& budget) : sheet_(sheet), budget_(budget) {}
    SheetWriter(const SheetWriter&) = delete;
    SheetWriter& operator=(const SheetWriter&) = delete;

    // Worksheet cell (row, column), counted from 0, goes to sheet row + 1, column + 1; an
    // empty text is no cell, and of two cells at one place the later wins. Columns beyond
    // MeteoSheet::kMaxColumns are only counted. False, and nothing kept, past the budget
    // or past kMaxRows; failure() says which.
    bool add(std::uint32_t row, std::uint32_t column, std::string_view text);
    // Claims the cells of column down to worksheet row lastRow, as a cell there would: a
    // reader about to repeat a row a million times asks first. False past the budget or
    // past kMaxRows; nothing to claim beyond the sheet's reach.
    bool reach(std::uint32_t lastRow, std::uint32_t column);
    // Spends bytes of the budget for text built while reading; false past it.
    bool build(std::size_t bytes);
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
    ImportBudget own_;
    ImportBudget& budget_;
    std::vector<std::uint32_t> reach_; // rows held in each column the sheet keeps
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
