#include "import/OdsTable.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace etp {

namespace {

// Row and column counters stop here: far past the last row and column, far from overflow.
constexpr std::uint64_t kFar = std::uint64_t{1} << 40;

// table:number-rows-repeated, table:number-columns-repeated, text:c: 1 when absent or
// not a count.
std::uint64_t Count(std::string_view text)
{
    std::uint64_t n = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), n);
    if (parsed.ec == std::errc::result_out_of_range) return kFar;
    if (parsed.ec != std::errc() || n == 0) return 1;
    return std::min(n, kFar);
}

std::optional<double> Number(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

class TableReader {
public:
    TableReader(XmlReader& xml, const OdsStyles& styles, SheetWriter& writer, std::string& failure)
        : xml_(xml), styles_(styles), writer_(writer), failure_(failure)
    {
    }

    bool read()
    {
        int depth = 0; // elements open inside the table
        for (;;) {
            switch (xml_.next()) {
            case XmlReader::Node::Failed: failure_ = xml_.failure(); return false;
            case XmlReader::Node::Done: failure_ = "its part content.xml ends inside a sheet"; return false;
            case XmlReader::Node::Text:
                if (!text(xml_.text())) return false;
                break;
            case XmlReader::Node::Start: {
                const bool empty = xml_.isEmpty();
                ++depth;
                if (!start(depth)) return false;
                if (empty && !end(depth--)) return false;
                break;
            }
            case XmlReader::Node::End:
                if (depth == 0) return true;
                if (!end(depth--)) return false;
                break;
            }
        }
    }

private:
    // A non-empty cell, repeated `count` times from column `first`; its text in rowText_.
    struct Run {
        std::uint64_t first, count;
        std::size_t begin, length;
    };
    // Columns [first, end) whose cells without a style of their own take `style`.
    struct ColumnStyle {
        std::uint64_t first, end;
        std::string style;
    };

    bool start(int depth)
    {
        const std::string_view name = xml_.name();
        if (cellDepth_ != 0) {
            if (fixed_ || skipDepth_ != 0) return true;
            if (paragraphDepth_ == 0) {
                // Paragraphs of the cell itself: an annotation's or a shape's are no cell text.
                if (depth == cellDepth_ + 1 && (name == "p" || name == "h")) {
                    if (paragraphs_++ > 0 && !append("\n")) return false;
                    paragraphDepth_ = depth;
                }
                return true;
            }
            if (name == "s") return appendSpaces(Count(xml_.attribute("c")));
            if (name == "tab") return append("\t");
            if (name == "line-break") return append("\n");
            if (name == "annotation" || name == "note" || name == "frame" || name == "custom-shape") skipDepth_ = depth;
            return true;
        }
        if (skipDepth_ != 0) return true;
        if (rowDepth_ != 0) {
            if (depth == rowDepth_ + 1 && (name == "table-cell" || name == "covered-table-cell"))
                return startCell(depth, name == "covered-table-cell");
            return true;
        }
        // Drawings, forms and a chart's own table hold no cells of the sheet.
        if (name == "shapes" || name == "forms" || name == "table") {
            skipDepth_ = depth;
        } else if (name == "table-row") {
            rowDepth_ = depth;
            rowRepeat_ = Count(xml_.attribute("number-rows-repeated"));
            rowStyle_ = xml_.attribute("default-cell-style-name");
            column_ = 0;
            pastLast_ = false;
            runs_.clear();
            rowText_.clear();
        } else if (name == "table-column") {
            const std::uint64_t repeat = Count(xml_.attribute("number-columns-repeated"));
            const std::string_view style = xml_.attribute("default-cell-style-name");
            const std::uint64_t end = std::min(columns_ + repeat, kFar);
            if (!style.empty()) columnStyles_.push_back({columns_, end, std::string(style)});
            columns_ = end;
        }
        return true;
    }

    bool end(int depth)
    {
        if (depth == skipDepth_) skipDepth_ = 0;
        else if (depth == paragraphDepth_) paragraphDepth_ = 0;
        else if (depth == cellDepth_) endCell();
        else if (depth == rowDepth_) return endRow();
        return true;
    }

    bool startCell(int depth, bool covered)
    {
        cellDepth_ = depth;
        cellRepeat_ = Count(xml_.attribute("number-columns-repeated"));
        cell_.clear();
        paragraphs_ = 0;
        // A covered cell, inside a merged area, shows nothing: the merged text stays at
        // the area's first cell.
        fixed_ = covered;
        if (covered) return true;
        CellTextBuffer buffer;
        if (const auto shown = valueText(buffer)) {
            if (!spend(shown->size())) return false;
            cell_ = *shown;
            fixed_ = true;
        }
        return true;
    }

    // The text of a cell with a value: numbers, dates, times and booleans as the data
    // style shows them; a formula's cached value. nullopt for a text written only as
    // paragraphs and for an error result, whose paragraphs are what a person sees.
    std::optional<std::string_view> valueText(CellTextBuffer& buffer)
    {
        const std::string type(xml_.attribute("value-type"));
        if (type == "float" || type == "percentage" || type == "currency") {
            const auto value = Number(xml_.attribute("value"));
            if (!value) return std::nullopt;
            return NumberCellText(*value, buffer);
        }
        if (type == "date") {
            ValueFormat format = ValueFormat::Date;
            const auto style = dataStyle();
            std::string iso(xml_.attribute("date-value"));
            if (style && *style != ValueFormat::Date) {
                // A time of day shown without its date: any date in the calendar shows it.
                format = *style == ValueFormat::Time || *style == ValueFormat::Hours ? ValueFormat::Time : ValueFormat::TimeWithSeconds;
                const auto t = iso.find('T');
                iso = "2000-01-01" + (t == std::string::npos ? std::string() : iso.substr(t));
            }
            return IsoDateCellText(iso, format, false, buffer);
        }
        if (type == "time") {
            auto format = dataStyle().value_or(ValueFormat::TimeWithSeconds);
            if (format == ValueFormat::Date || format == ValueFormat::Number) format = ValueFormat::TimeWithSeconds;
            const auto days = IsoDurationDays(xml_.attribute("time-value"));
            if (!days) return std::nullopt;
            return ValueCellText(*days, format, false, buffer);
        }
        if (type == "string") {
            // The string itself; the paragraphs show it through its format (indents,
            // padding). An error result has an empty one and its text in the paragraphs.
            const std::string_view value = xml_.attribute("string-value");
            if (!value.empty()) return value;
        }
        if (type == "boolean") {
            const std::string_view value = xml_.attribute("boolean-value");
            if (value == "true" || value == "1") return BooleanCellText(true);
            if (value == "false" || value == "0") return BooleanCellText(false);
        }
        return std::nullopt;
    }

    // The format of the cell's data style: its own cell style, else its row's default,
    // else its column's.
    std::optional<ValueFormat> dataStyle()
    {
        std::string name(xml_.attribute("style-name"));
        if (name.empty()) name = rowStyle_;
        if (name.empty()) {
            const auto after = std::upper_bound(columnStyles_.begin(), columnStyles_.end(), column_,
                                                [](std::uint64_t c, const ColumnStyle& s) { return c < s.first; });
            if (after != columnStyles_.begin() && column_ < std::prev(after)->end) name = std::prev(after)->style;
        }
        return styles_.format(name);
    }

    void endCell()
    {
        // Columns past the last a workbook may have count as one dropped column: one run
        // of them is all a row keeps, however many cells the file lists there.
        const bool pastLast = column_ >= SheetWriter::kMaxColumns;
        if (!cell_.empty() && !(pastLast && pastLast_)) {
            pastLast_ = pastLast_ || pastLast;
            runs_.push_back({column_, cellRepeat_, rowText_.size(), cell_.size()});
            rowText_ += cell_;
        }
        column_ = std::min(column_ + cellRepeat_, kFar);
        cellDepth_ = paragraphDepth_ = skipDepth_ = 0;
    }

    // A row repeated n times is written n times; empty rows only move the row on.
    bool endRow()
    {
        rowDepth_ = 0;
        if (runs_.empty()) {
            row_ = std::min(row_ + rowRepeat_, kFar);
            return true;
        }
        // A row repeated past the last row, or past the cells an import may hold, is
        // refused at once rather than after a million rows.
        const std::uint64_t last = std::min<std::uint64_t>(row_ + rowRepeat_ - 1, SheetWriter::kMaxRows);
        if (!writer_.reach(static_cast<std::uint32_t>(last), MeteoSheet::kMaxColumns)) { // the row alone
            failure_ = writer_.failure();
            return false;
        }
        for (const Run& run : runs_)
            for (std::uint64_t c = run.first; c < std::min<std::uint64_t>(run.first + run.count, MeteoSheet::kMaxColumns); ++c)
                if (!writer_.reach(static_cast<std::uint32_t>(last), static_cast<std::uint32_t>(c))) {
                    failure_ = writer_.failure();
                    return false;
                }
        for (std::uint64_t k = 0; k < rowRepeat_; ++k)
            for (const Run& run : runs_)
                if (!writeRun(static_cast<std::uint32_t>(row_ + k), run, k == 0)) return false;
        row_ += rowRepeat_;
        return true;
    }

    // The columns past the sheet's reach are only counted, so the first of a row's
    // repetitions counts them for all.
    bool writeRun(std::uint32_t row, const Run& run, bool countDropped)
    {
        const std::string_view text = std::string_view(rowText_).substr(run.begin, run.length);
        const std::uint64_t first = std::min<std::uint64_t>(run.first, SheetWriter::kMaxColumns);
        const std::uint64_t end = std::min<std::uint64_t>(run.first + run.count, SheetWriter::kMaxColumns + 1);
        const std::uint64_t kept = std::min<std::uint64_t>(end, MeteoSheet::kMaxColumns);
        for (std::uint64_t c = first; c < end; ++c) {
            if (c >= kept && !countDropped) break;
            if (!writer_.add(row, static_cast<std::uint32_t>(c), text)) {
                failure_ = writer_.failure();
                return false;
            }
        }
        return true;
    }

    // Paragraph text as written: Calc writes runs of spaces inside spans as they are,
    // and reads them back so.
    bool text(std::string_view text)
    {
        if (cellDepth_ == 0 || fixed_ || paragraphDepth_ == 0 || skipDepth_ != 0) return true;
        return append(text);
    }

    bool append(std::string_view text)
    {
        if (!spend(text.size() + 1)) return false;
        cell_ += text;
        return true;
    }

    bool appendSpaces(std::uint64_t count)
    {
        if (!spend(count + 1)) return false;
        cell_.append(static_cast<std::size_t>(count), ' ');
        return true;
    }

    // All the text the cells are built of, columns past the sheet's reach included, has
    // a budget: a few bytes of <text:s text:c="..."/> must not build gigabytes.
    bool spend(std::uint64_t bytes)
    {
        if (bytes > std::numeric_limits<std::size_t>::max() || !writer_.build(static_cast<std::size_t>(bytes))) {
            failure_ = writer_.failure();
            return false;
        }
        return true;
    }

    XmlReader& xml_;
    const OdsStyles& styles_;
    SheetWriter& writer_;
    std::string& failure_;

    std::vector<ColumnStyle> columnStyles_;
    std::uint64_t columns_ = 0;

    std::uint64_t row_ = 0;
    int rowDepth_ = 0;
    std::uint64_t rowRepeat_ = 1;
    std::string rowStyle_;
    std::vector<Run> runs_;
    std::string rowText_;
    bool pastLast_ = false; // a run past the last column is kept

    std::uint64_t column_ = 0;
    int cellDepth_ = 0;
    std::uint64_t cellRepeat_ = 1;
    bool fixed_ = false; // the cell's text is its value's, or it is covered
    std::string cell_;
    int paragraphs_ = 0;
    int paragraphDepth_ = 0;
    int skipDepth_ = 0;
};

} // namespace

bool ReadOdsTable(XmlReader& xml, bool empty, const OdsStyles& styles, SheetWriter& writer, std::string& failure)
{
    return empty || TableReader(xml, styles, writer, failure).read();
}

} // namespace etp
