#pragma once
// The data sheet: a grid of text cells. Row 0 holds the column captions, column 0 the
// row captions; data cells run from row 1, column 1. Row 1 holds the titles, rows 2
// onward one day each. Most of the 32000 x 30 cells of a new sheet are empty, so a row
// stores only the cells up to its last non-empty one, in one block of memory.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace etp {

class MeteoSheet {
public:
    static constexpr int kInitialColumns = 30;
    static constexpr int kInitialRows = 32000;
    // The title-row scan reaches column 100; the sheet never grows beyond it.
    static constexpr int kMaxColumns = 100;

    MeteoSheet();

    int rowCount() const { return rowCount_; }
    int columnCount() const { return columnCount_; }

    // "" outside the sheet and in column 0; row 0 gives the column caption.
    std::string_view cellText(int row, int column) const;
    // Grows the sheet to hold the cell (columns up to kMaxColumns). Answers false, and
    // changes nothing, for row or column below 1 or a column beyond kMaxColumns.
    bool setCellText(int row, int column, std::string_view text);

    // Cells firstColumn, firstColumn + 1, ... of one row at once (Compute's results): the
    // same as setCellText on each in turn. A row that ends before firstColumn grows once.
    // False, and nothing changed, for a row or column below 1 or a cell beyond kMaxColumns.
    bool setCells(int row, int firstColumn, std::span<const std::string_view> cells);
    // Empties every data cell; the sheet keeps its size and captions.
    void clear() { rows_.clear(); }

    // Never shrinks below what the sheet holds.
    void growRows(int rows);

    std::string_view caption(int column) const;
    void setCaption(int column, std::string_view text);

    // Last row / column holding a non-empty data cell; 0 when the sheet is empty.
    int lastNonEmptyRow() const;
    int lastNonEmptyColumn() const;
    // Last non-empty column of one row, 0 when the row is empty.
    int lastNonEmptyColumn(int row) const;

    // Appends cells 1 to `columns` of a row with a TAB between them, each TAB or CR inside
    // a cell as a blank: a line of the saved text file, without its line end.
    void appendRowText(int row, int columns, std::string& out) const;

private:
    // One row's cells in one block of memory, one allocation a row: cellCapacity_ 32-bit
    // offsets, offset c being where cell c's text ends, then the cells' texts back to
    // back. Some room is kept for cells added at the end (Compute's results). A row has
    // no trailing empty cell; an empty row holds no block. (A vector of ends and a
    // std::string per row, two allocations, cost etp a third more CPU time on 32,000 days.)
    class Row {
    public:
        Row() = default;
        Row(const Row& other);
        Row& operator=(const Row& other);
        Row(Row&&) noexcept = default;
        Row& operator=(Row&&) noexcept = default;
        ~Row() = default;

        std::size_t size() const { return count_; }
        bool empty() const { return count_ == 0; }
        // Where cell c's text ends (c < size()).
        std::uint32_t end(std::size_t c) const { return block_[c]; }
        const char* text() const { return reinterpret_cast<const char*>(block_.get() + cellCapacity_); }
        std::string_view cell(std::size_t c) const
        {
            const std::uint32_t begin = c == 0 ? 0 : block_[c - 1];
            return {text() + begin, block_[c] - begin};
        }
        // Cell c, of any row.
        void set(std::size_t c, std::string_view value);
        // Cells first, first + 1, ... of a row that ends before first, no empty one last.
        void append(std::size_t first, std::span<const std::string_view> cells);

    private:
        char* textData() { return reinterpret_cast<char*>(block_.get() + cellCapacity_); }
        // Room for `cells` cells and `bytes` of text; what the row holds stays.
        void reserve(std::size_t cells, std::size_t bytes);
        void trim();

        std::unique_ptr<std::uint32_t[]> block_; // cellCapacity_ ends, then the text
        std::uint32_t textSize_ = 0;
        std::uint32_t textCapacity_ = 0;
        std::uint16_t count_ = 0;
        std::uint16_t cellCapacity_ = 0;
    };

    // Never shrinks; stops at kMaxColumns.
    void growColumns(int columns);

    int rowCount_ = kInitialRows;
    int columnCount_ = kInitialColumns;
    std::vector<Row> rows_;            // index 0 = sheet row 1; grows on demand
    std::vector<std::string> captions_; // index = column
};

} // namespace etp
