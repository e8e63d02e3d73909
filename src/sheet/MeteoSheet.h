#pragma once
// The data sheet: a grid of text cells. Row 0 holds the column captions, column 0 the
// row captions; data cells run from row 1, column 1. Row 1 holds the titles, rows 2
// onward one day each. Most of the 32000 x 30 cells of a new sheet are empty, so a row
// stores only the cells up to its last non-empty one.
#include <cstdint>
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
    // Cells firstColumn, firstColumn + 1, ... of one row at once: the same as setCellText
    // on each in turn. False, and nothing changed, for a row or column below 1 or a cell
    // beyond kMaxColumns.
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
    // One row's cells: their texts back to back in one string, and where each cell's text
    // ends in it. A row holds no empty cell at its end, so an empty row holds nothing.
    struct Row {
        std::vector<std::uint32_t> ends;
        std::string text;

        std::size_t size() const { return ends.size(); }
        // "" beyond the row's last cell.
        std::string_view cell(std::size_t c) const;
        // The row rebuilt with cells first, first + 1, ... replaced by `cells`.
        void replace(std::size_t first, std::span<const std::string_view> cells);
    };

    // Never shrinks; stops at kMaxColumns.
    void growColumns(int columns);

    int rowCount_ = kInitialRows;
    int columnCount_ = kInitialColumns;
    std::vector<Row> rows_;             // index 0 = sheet row 1; grows on demand
    std::vector<std::string> captions_; // index = column
};

} // namespace etp
