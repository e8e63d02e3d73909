// The .ods reader behind File > Open. isWorkbook opens the zip package, checks that it
// is a spreadsheet, and reads styles.xml and content.xml once, keeping every table's
// cells; the import hands on the chosen one. (A second pass over content.xml for the
// import would double the time of a large workbook: its XML is some 40 bytes a cell.)
#include <functional>

#include "import/KeptWorkbookReader.h"
#include "import/OdsStyles.h"
#include "import/OdsTable.h"
#include "import/ZipPackage.h"

namespace etp {

namespace {

constexpr std::string_view kSpreadsheetType = "application/vnd.oasis.opendocument.spreadsheet";
constexpr const char* kNoSpreadsheet = "it is a zip file but no OpenDocument spreadsheet";

// Whether the package is a spreadsheet (or its template) by its mimetype part, which
// packages may leave out.
bool IsSpreadsheet(ZipPackage& zip, std::string& failure)
{
    if (zip.has("mimetype")) {
        const auto type = zip.bytes("mimetype", 100);
        if (!type || (*type != kSpreadsheetType && *type != std::string(kSpreadsheetType) + "-template")) {
            failure = kNoSpreadsheet;
            return false;
        }
    } else if (!zip.has("content.xml")) {
        failure = kNoSpreadsheet;
        return false;
    }
    if (!zip.has("content.xml")) {
        failure = "it has no part content.xml";
        return false;
    }
    return true;
}

// Reads content.xml on from where the reader is, calling table(empty) at the start tag
// of every table of office:spreadsheet (not the tables of charts inside it), which
// reads the table through its end tag. False, with the reason, on damaged XML or when
// table fails; `spreadsheet` tells whether there was one.
bool WalkTables(XmlReader& xml, std::string& failure, bool& spreadsheet, const std::function<bool(bool)>& table)
{
    int depth = 0, spreadsheetDepth = -1;
    for (;;) {
        switch (xml.next()) {
        case XmlReader::Node::Failed: failure = xml.failure(); return false;
        case XmlReader::Node::Done: return true;
        case XmlReader::Node::Text: break;
        case XmlReader::Node::End:
            if (depth-- == spreadsheetDepth) return true;
            break;
        case XmlReader::Node::Start: {
            const bool empty = xml.isEmpty();
            if (spreadsheetDepth < 0 && xml.name() == "spreadsheet") {
                spreadsheet = true;
                if (empty) return true;
                spreadsheetDepth = depth + 1;
            } else if (spreadsheetDepth >= 0 && depth == spreadsheetDepth && xml.name() == "table") {
                if (!table(empty)) return false;
                break; // read through its end tag
            }
            if (!empty) ++depth;
            break;
        }
        }
    }
}

// The sheets of the workbook, each read whole.
struct OdsBook {
    struct Table {
        std::string name;
        MeteoSheet cells;
        int dropped = 0;
    };
    std::vector<Table> tables;
};

class OdsWorkbookReader final : public KeptWorkbookReader<OdsBook> {
    std::optional<OdsBook> open(const std::string& path, std::string& failure) override
    {
        auto zip = ZipPackage::open(path, failure);
        if (!zip || !IsSpreadsheet(*zip, failure)) return std::nullopt;
        OdsStyles styles;
        if (zip->has("styles.xml")) {
            auto common = zip->xml("styles.xml", failure);
            if (!common || !styles.read(*common, failure)) return std::nullopt;
        }
        auto content = zip->xml("content.xml", failure);
        if (!content || !styles.read(*content, failure)) return std::nullopt;
        OdsBook book;
        bool spreadsheet = false;
        ImportBudget budget; // every table is read now, so they share one
        const auto table = [&](bool empty) {
            OdsBook::Table& read = book.tables.emplace_back();
            read.name = content->attribute("name");
            SheetWriter writer(read.cells, budget);
            if (!ReadOdsTable(*content, empty, styles, writer, failure)) return false;
            read.dropped = writer.finish();
            return true;
        };
        if (!WalkTables(*content, failure, spreadsheet, table)) return std::nullopt;
        if (!spreadsheet) {
            failure = kNoSpreadsheet;
            return std::nullopt;
        }
        return book;
    }

    std::vector<std::string> names(const OdsBook& book) const override
    {
        std::vector<std::string> names;
        for (const auto& table : book.tables) names.push_back(table.name);
        return names;
    }

    bool read(OdsBook& book, std::size_t index, SheetWriter& writer, std::string& failure) override
    {
        const OdsBook::Table& table = book.tables[index];
        for (int r = 1; r <= table.cells.lastNonEmptyRow(); ++r)
            for (int c = 1; c <= table.cells.lastNonEmptyColumn(r); ++c)
                if (!writer.add(static_cast<std::uint32_t>(r - 1), static_cast<std::uint32_t>(c - 1), table.cells.cellText(r, c))) {
                    failure = writer.failure();
                    return false;
                }
        writer.countDropped(table.dropped);
        return true;
    }
};

} // namespace

std::unique_ptr<WorkbookReader> MakeOdsWorkbookReader() { return std::make_unique<OdsWorkbookReader>(); }

} // namespace etp
