#pragma once
// The data sheet: a grid of text cells. Row 0 holds the column captions, column 0 the
// row captions; data cells run from row 1, column 1. Row 1 holds the titles, rows 2
// onward one day each. The cells are kept column by column, each column's texts back to
// back in one string: a station of 32,000 days costs little more than its text, and
// Compute's result columns are added without moving the columns already there.
#include <algorithm>
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
    std::string_view cellText(int row, int column) const
    {
        // Row or column 0 and below wrap to the largest values, beyond every column kept.
        const auto r = static_cast<std::size_t>(row) - 1;
        const auto c = static_cast<std::size_t>(column) - 1;
        if (c < columns_.size() && r < columns_[c].size()) return columns_[c].cell(r);
        return row == 0 ? caption(column) : std::string_view();
    }
    // Grows the sheet to hold the cell (columns up to kMaxColumns). Answers false, and
    // changes nothing, for row or column below 1 or a column beyond kMaxColumns.
    bool setCellText(int row, int column, std::string_view text);

    // Cells firstColumn, firstColumn + 1, ... of one row at once (a line of a text file,
    // Compute's results): the same as setCellText on each in turn. False, and nothing
    // changed, for a row or column below 1 or a cell beyond kMaxColumns.
    bool setCells(int row, int firstColumn, std::span<const std::string_view> cells);
    // Empties every data cell; the sheet keeps its size and captions.
    void clear()
    {
        columns_.clear();
        touch();
    }

    // Every change of the data cells gives the sheet a revision no sheet had before, and a
    // copy keeps its revision: equal revisions mean equal cells. This is how the program
    // knows whether the sheet still holds what was last opened or saved.
    std::uint64_t revision() const { return revision_; }
    // Undo and redo put back the cells of an earlier revision, and that revision with them.
    void restoreRevision(std::uint64_t revision) { revision_ = revision; }

    // Never shrinks below what the sheet holds.
    void growRows(int rows);

    std::string_view caption(int column) const;
    void setCaption(int column, std::string_view text);

    // Last row / column holding a non-empty data cell; 0 when the sheet is empty.
    int lastNonEmptyRow() const;
    int lastNonEmptyColumn() const;
    // Last non-empty column of one row, 0 when the row is empty.
    int lastNonEmptyColumn(int row) const;

    // Appends rows firstRow to lastRow as lines of the saved text file: cells 1 to
    // `columns` of each row with a TAB between them, each TAB, CR or LF inside a cell as
    // a blank, CR LF after each line.
    void appendRowsText(int firstRow, int lastRow, int columns, std::string& out) const;

private:
    // The cells of one column: ends_[i] is where the text of row i + 1 ends in text_, the
    // texts lying back to back from row 1. Rows past ends_.size() are empty, and so the
    // last row kept is never empty.
    class Column {
    public:
        std::size_t size() const { return ends_.size(); }
        // Row i + 1's text (i < size()).
        std::string_view cell(std::size_t i) const
        {
            const std::uint32_t begin = i == 0 ? 0 : ends_[i - 1];
            return {text_.data() + begin, ends_[i] - begin};
        }
        void set(std::size_t i, std::string_view value);
        // Bytes of the texts of rows first + 1 to end (those past size() are empty).
        std::size_t textLength(std::size_t first, std::size_t end) const
        {
            end = std::min(end, size());
            if (first >= end) return 0;
            return ends_[end - 1] - (first == 0 ? 0 : ends_[first - 1]);
        }

    private:
        std::vector<std::uint32_t> ends_;
        std::string text_;
    };

    // Never shrinks; stops at kMaxColumns.
    void growColumns(int columns);
    void touch();

    int rowCount_ = kInitialRows;
    int columnCount_ = kInitialColumns;
    std::vector<Column> columns_;       // index 0 = sheet column 1; grows on demand
    std::vector<std::string> captions_; // index = column
    std::uint64_t revision_ = 0;        // a new sheet's: empty
};

} // namespace etp
