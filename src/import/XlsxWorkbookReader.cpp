// The .xlsx reader behind File > Open: isWorkbook opens the package and reads where its
// sheets are; the import reads the cell formats, the shared strings and then the chosen
// worksheet, a cell at a time.
#include <charconv>

#include "import/KeptWorkbookReader.h"
#include "import/XlsxParts.h"

namespace etp {

namespace {

using Node = XmlReader::Node;

// "BC12" -> column 54, row 11 (from 0); false when it is no cell reference.
bool ParseReference(std::string_view reference, std::uint32_t& row, std::uint32_t& column)
{
    std::size_t i = 0;
    std::uint32_t c = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z' && c <= SheetWriter::kMaxColumns; ++i)
        c = c * 26 + static_cast<std::uint32_t>(reference[i] - 'A' + 1);
    std::uint32_t r = 0;
    const auto parsed = std::from_chars(reference.data() + i, reference.data() + reference.size(), r);
    if (i == 0 || c > SheetWriter::kMaxColumns || parsed.ec != std::errc() ||
        parsed.ptr != reference.data() + reference.size() || r == 0)
        return false;
    row = r - 1;
    column = c - 1;
    return true;
}

// One worksheet's cells, as the sheet shows them.
class WorksheetReader {
public:
    WorksheetReader(const xlsx::SharedStrings& strings, const std::vector<ValueFormat>& formats, bool date1904,
                    SheetWriter& cells)
        : strings_(strings), formats_(formats), date1904_(date1904), cells_(cells)
    {
    }

    bool read(XmlReader& xml, std::string& failure)
    {
        std::uint32_t row = 0, column = 0;
        bool anyRow = false;
        std::string value;
        for (Node node; (node = xml.next()) != Node::Done;) {
            if (node == Node::Failed) {
                failure = xml.failure();
                return false;
            }
            if (node != Node::Start) continue;
            const std::string_view name = xml.name();
            if (name == "row") {
                std::uint32_t r = 0;
                const std::string_view number = xml.attribute("r");
                const auto parsed = std::from_chars(number.data(), number.data() + number.size(), r);
                row = parsed.ec == std::errc() && r > 0 ? r - 1 : anyRow ? row + 1 : 0;
                anyRow = true;
                column = 0;
            } else if (name == "c") {
                xml.attributes(kCellAttributes, attributes_);
                std::uint32_t r = row, c = column;
                if (ParseReference(attributes_[0], r, c)) row = r, column = c;
                const bool empty = xml.isEmpty();
                if (!empty && !readCell(xml, value)) {
                    failure = xml.failure();
                    return false;
                }
                if (!empty && !cells_.add(row, column, cellText(value))) {
                    failure = cells_.failure();
                    return false;
                }
                ++column;
            }
        }
        return true;
    }

private:
    static constexpr std::string_view kCellAttributes[] = {"r", "t", "s"};

    // The cell's value (<v>) or inline string (<is>), up to the cell's end tag.
    bool readCell(XmlReader& xml, std::string& value)
    {
        value.clear();
        int depth = 1;
        bool inValue = false;
        while (depth > 0) {
            switch (xml.next()) {
            case Node::Start:
                if (xml.name() == "is" && !xml.isEmpty()) {
                    if (!xlsx::ReadStringItem(xml, value)) return false;
                } else if (!xml.isEmpty()) {
                    ++depth;
                    inValue = xml.name() == "v";
                }
                break;
            case Node::End:
                --depth;
                inValue = false;
                break;
            case Node::Text:
                if (inValue) value += xml.text();
                break;
            default: return false;
            }
        }
        return true;
    }

    // The text of the cell just read, by its type (t) and format (s).
    std::string_view cellText(const std::string& value)
    {
        const std::string_view type = attributes_[1];
        if (type == "s") {
            std::size_t index = 0;
            const auto parsed = std::from_chars(value.data(), value.data() + value.size(), index);
            return parsed.ec == std::errc() && index < strings_.size() ? strings_[index] : std::string_view();
        }
        if (type == "b") return BooleanCellText(value == "1" || value == "true");
        if (type == "str" || type == "inlineStr" || type == "e") return value;
        const ValueFormat format = this->format();
        if (type == "d") return IsoDateCellText(value, format, date1904_, buffer_).value_or(value);
        double number = 0;
        const auto parsed = std::from_chars(value.data(), value.data() + value.size(), number);
        if (parsed.ec != std::errc() || parsed.ptr != value.data() + value.size()) return value;
        return ValueCellText(number, format, date1904_, buffer_);
    }

    ValueFormat format() const
    {
        std::size_t index = 0;
        const std::string& s = attributes_[2];
        std::from_chars(s.data(), s.data() + s.size(), index);
        return index < formats_.size() ? formats_[index] : ValueFormat::Number;
    }

    const xlsx::SharedStrings& strings_;
    const std::vector<ValueFormat>& formats_;
    bool date1904_;
    SheetWriter& cells_;
    std::string attributes_[3];
    CellTextBuffer buffer_{};
};

struct XlsxBook {
    ZipPackage package;
    xlsx::Book book;
};

class XlsxWorkbookReader final : public KeptWorkbookReader<XlsxBook> {
    std::optional<XlsxBook> open(const std::string& path, std::string& failure) override
    {
        auto package = ZipPackage::open(path, failure);
        if (!package) return std::nullopt;
        auto book = xlsx::ReadBook(*package, failure);
        if (!book) return std::nullopt;
        return XlsxBook{std::move(*package), std::move(*book)};
    }

    std::vector<std::string> names(const XlsxBook& opened) const override
    {
        std::vector<std::string> names;
        for (const auto& sheet : opened.book.sheets) names.push_back(sheet.name);
        return names;
    }

    bool read(XlsxBook& opened, std::size_t index, SheetWriter& writer, std::string& failure) override
    {
        const xlsx::Book::Sheet& sheet = opened.book.sheets[index];
        if (sheet.part.empty()) {
            failure = "the workbook names no part for its sheet \"" + sheet.name + "\"";
            return false;
        }
        const auto formats = xlsx::ReadCellFormats(opened.package, opened.book.stylesPart, failure);
        if (!formats) return false;
        const auto strings = xlsx::ReadSharedStrings(opened.package, opened.book.sharedStringsPart, failure);
        if (!strings) return false;
        auto xml = opened.package.xml(sheet.part, failure);
        return xml && WorksheetReader(*strings, *formats, opened.book.date1904, writer).read(*xml, failure);
    }
};

} // namespace

std::unique_ptr<WorkbookReader> MakeXlsxWorkbookReader() { return std::make_unique<XlsxWorkbookReader>(); }

} // namespace etp
