#include "import/TextImport.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <vector>

#include "import/HeaderLines.h"

namespace etp {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// How far a text file is searched for the NUL bytes that betray a binary file.
constexpr std::size_t kTextCheckBytes = 64 * 1024;

std::string_view WithoutByteOrderMark(std::string_view bytes)
{
    return bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Where the line from `at` ends: its CR or LF, or the end of the bytes.
std::size_t LineEnd(std::string_view bytes, std::size_t at)
{
    while (at < bytes.size() && !IsLineEnd(bytes[at])) ++at;
    return at;
}

// Past the line end at `at`; CR LF is one line end.
std::size_t PastLineEnd(std::string_view bytes, std::size_t at)
{
    if (at >= bytes.size()) return at;
    return at + (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n' ? 2 : 1);
}

// TAB when the first line holds one; otherwise ";" or ",", the one the first line uses
// more (";" on a tie); TAB again for a first line of neither (a single column).
char Separator(std::string_view bytes)
{
    const std::string_view first = bytes.substr(0, LineEnd(bytes, 0));
    if (first.find('\t') != std::string_view::npos) return '\t';
    const auto semicolons = std::count(first.begin(), first.end(), ';');
    const auto commas = std::count(first.begin(), first.end(), ',');
    if (semicolons == 0 && commas == 0) return '\t';
    return semicolons >= commas ? ';' : ',';
}

// The records of a CSV file, one at a time. A field that starts with a double quote runs
// to the next lone quote and may hold the separator and line breaks; a doubled quote in
// it stands for one. A quote inside an unquoted field is an ordinary character.
class CsvRecords {
public:
    CsvRecords(std::string_view bytes, char separator) : bytes_(bytes), separator_(separator) {}

    bool atEnd() const { return at_ >= bytes_.size(); }
    std::size_t position() const { return at_; }
    // Moves on to `at`, the start of the next line, when the record was read otherwise.
    void skipLine(std::size_t at)
    {
        at_ = at;
        ++line_;
    }
    // The line an unclosed quote opened on, once next() has answered false.
    int openQuoteLine() const { return openQuoteLine_; }

    // The next record's fields, back to back in `text`, field k ending at ends[k]. False
    // when a quote is never closed (the record then runs to the end of the bytes).
    bool next(std::string& text, std::vector<std::size_t>& ends)
    {
        text.clear();
        ends.clear();
        bool fieldStart = true;
        bool quoted = false;
        while (at_ < bytes_.size()) {
            const char c = bytes_[at_];
            if (quoted) {
                if (c == '"' && at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '"') {
                    text += '"';
                    at_ += 2;
                    continue;
                }
                if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n' || (c == '\r' && !(at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '\n'))) ++line_;
                    text += c;
                }
                ++at_;
                continue;
            }
            if (IsLineEnd(c)) break;
            if (c == '"' && fieldStart) {
                quoted = true;
                openQuoteLine_ = line_;
            } else if (c == separator_) {
                ends.push_back(text.size());
                fieldStart = true;
                ++at_;
                continue;
            } else {
                text += c;
            }
            fieldStart = false;
            ++at_;
        }
        ends.push_back(text.size());
        at_ = PastLineEnd(bytes_, at_);
        ++line_;
        return !quoted;
    }

private:
    std::string_view bytes_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
    int openQuoteLine_ = 0;
};

// A number written with a decimal comma: an optional sign, digits on at least one side
// of the one comma, nothing else.
bool HasDecimalComma(std::string_view field)
{
    if (field.starts_with('-') || field.starts_with('+')) field.remove_prefix(1);
    const std::size_t comma = field.find(',');
    if (comma == std::string_view::npos || field.size() < 2) return false;
    for (std::size_t i = 0; i < field.size(); ++i)
        if (i != comma && !std::isdigit(static_cast<unsigned char>(field[i]))) return false;
    return true;
}

// The fields of one line into one row: the first 100 kept, the others counted.
void StoreRow(MeteoSheet& sheet, TextImportReport& report, std::span<const std::string_view> fields)
{
    ++report.lines;
    const std::size_t kept = std::min(fields.size(), static_cast<std::size_t>(MeteoSheet::kMaxColumns));
    const auto dropped = std::count_if(fields.begin() + static_cast<std::ptrdiff_t>(kept), fields.end(),
                                       [](std::string_view field) { return !field.empty(); });
    if (dropped > 0) {
        report.droppedFields += static_cast<int>(dropped);
        ++report.linesWithDroppedFields;
    }
    sheet.setCells(report.lines, 1, fields.first(kept));
}

// Lines and fields are found with string_view::find (memchr), a few bytes a step: the next
// LF is looked for once per LF passed, a CR only up to it, so each byte is searched a
// bounded number of times whichever line ends a file uses.
void ReadTabLines(MeteoSheet& sheet, std::string_view bytes, TextImportReport& report)
{
    constexpr auto npos = std::string_view::npos;
    std::vector<std::string_view> fields;
    std::size_t lineFeed = bytes.find('\n');
    for (std::size_t start = 0; start < bytes.size();) {
        if (lineFeed < start) lineFeed = bytes.find('\n', start);
        const std::string_view upToLineFeed = bytes.substr(0, std::min(lineFeed, bytes.size()));
        const std::size_t end = std::min(upToLineFeed.find('\r', start), upToLineFeed.size());
        const std::string_view line = bytes.substr(start, end - start);
        fields.clear();
        for (std::size_t from = 0;;) {
            const std::size_t tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab == npos ? npos : tab - from));
            if (tab == npos) break;
            from = tab + 1;
        }
        StoreRow(sheet, report, fields);
        start = PastLineEnd(bytes, end);
    }
}

// The fields of the line from `start`, split at `separator`, as views of the bytes; the
// start of the next line, or npos (and no fields) when the line holds a quote.
std::size_t SplitLineWithoutQuotes(std::string_view bytes, std::size_t start, char separator,
                                   std::vector<std::string_view>& fields)
{
    fields.clear();
    std::size_t i = start;
    for (; i < bytes.size() && !IsLineEnd(bytes[i]); ++i) {
        if (bytes[i] == separator) {
            fields.push_back(bytes.substr(start, i - start));
            start = i + 1;
        } else if (bytes[i] == '"') {
            fields.clear();
            return std::string_view::npos;
        }
    }
    fields.push_back(bytes.substr(start, i - start));
    return PastLineEnd(bytes, i);
}

void ReadCsvRecords(MeteoSheet& sheet, std::string_view bytes, char separator, TextImportReport& report)
{
    CsvRecords records(bytes, separator);
    std::string text;
    std::vector<std::size_t> ends;
    std::vector<std::string_view> fields;
    while (!records.atEnd()) {
        // A line without quotes, as most are, is split in place; only the numbers with a
        // decimal comma are copied, to be written with a point.
        const std::size_t start = records.position();
        const std::size_t next = SplitLineWithoutQuotes(bytes, start, separator, fields);
        if (next != std::string_view::npos) {
            records.skipLine(next);
            if (separator == ';') {
                text.clear();
                text.reserve(next - start); // no reallocation: the fields' views stay good
                for (std::string_view& field : fields) {
                    if (!HasDecimalComma(field)) continue;
                    const std::size_t begin = text.size();
                    text.append(field);
                    text[begin + field.find(',')] = '.';
                    field = std::string_view(text).substr(begin, field.size());
                    ++report.decimalCommas;
                }
            }
            StoreRow(sheet, report, fields);
            continue;
        }
        records.next(text, ends);
        fields.clear();
        std::size_t begin = 0;
        for (const std::size_t end : ends) {
            const std::string_view field = std::string_view(text).substr(begin, end - begin);
            if (separator == ';' && HasDecimalComma(field)) {
                text[begin + field.find(',')] = '.';
                ++report.decimalCommas;
            }
            fields.push_back(field);
            begin = end;
        }
        StoreRow(sheet, report, fields);
    }
}

} // namespace

std::optional<std::string> TextImportProblem(std::string_view bytes)
{
    if (bytes.empty()) return "it is empty";
    if (bytes.substr(0, kTextCheckBytes).find('\0') != std::string_view::npos) return "it is not a text file";
    const HeaderLines header = ReadHeaderLines(WithoutByteOrderMark(bytes));
    const std::string_view text = WithoutByteOrderMark(bytes).substr(header.length);
    const char separator = Separator(text);
    // Without a quote no quote can be left open.
    if (separator == '\t' || text.find('"') == std::string_view::npos) return std::nullopt;
    CsvRecords records(text, separator);
    std::string fields;
    std::vector<std::size_t> ends;
    while (!records.atEnd())
        if (!records.next(fields, ends))
            return "the quote opened in line " + std::to_string(header.lines + records.openQuoteLine()) +
                   " is never closed";
    return std::nullopt;
}

TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes)
{
    TextImportReport report;
    const HeaderLines header = ReadHeaderLines(WithoutByteOrderMark(bytes));
    report.headerLines = header.lines;
    report.latitude = header.latitude;
    report.elevation = header.elevation;
    const std::string_view text = WithoutByteOrderMark(bytes).substr(header.length);
    const char separator = Separator(text);
    report.separator = separator;
    if (separator == '\t')
        ReadTabLines(sheet, text, report);
    else
        ReadCsvRecords(sheet, text, separator, report);
    if (report.lines > sheet.rowCount()) sheet.growRows(report.lines);
    return report;
}

} // namespace etp
