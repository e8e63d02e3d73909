// The .ods reader behind File > Open. isWorkbook opens the zip package, checks that it
// is a spreadsheet and reads content.xml through, keeping only the sheet names; the
// import reads styles.xml and then content.xml again up to the end of the chosen table,
// so a big workbook is never held whole.
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

enum class Walk { Next, Stop };

// Reads content.xml on from where the reader is, calling table(empty) at the start tag
// of every table of office:spreadsheet (not the tables of charts inside it). table
// answers Stop when it has read its table through. False, with the reason, on damaged
// XML or when table fails; `spreadsheet` tells whether there was one.
bool WalkTables(XmlReader& xml, std::string& failure, bool& spreadsheet, const std::function<bool(bool, Walk&)>& table)
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
                Walk walk = Walk::Next;
                if (!table(empty, walk)) return false;
                if (walk == Walk::Stop) return true;
            }
            if (!empty) ++depth;
            break;
        }
        }
    }
}

// The package, its path (the import opens it again) and the names of its sheets.
struct OdsBook {
    std::string path;
    ZipPackage zip;
    std::vector<std::string> names;
};

class OdsWorkbookReader final : public KeptWorkbookReader<OdsBook> {
    std::optional<OdsBook> open(const std::string& path, std::string& failure) override
    {
        auto zip = ZipPackage::open(path, failure);
        if (!zip || !IsSpreadsheet(*zip, failure)) return std::nullopt;
        auto content = zip->xml("content.xml", failure);
        if (!content) return std::nullopt;
        std::vector<std::string> names;
        bool spreadsheet = false;
        const auto name = [&](bool, Walk&) {
            names.emplace_back(content->attribute("name"));
            return true;
        };
        if (!WalkTables(*content, failure, spreadsheet, name)) return std::nullopt;
        if (!spreadsheet) {
            failure = kNoSpreadsheet;
            return std::nullopt;
        }
        return OdsBook{path, std::move(*zip), std::move(names)};
    }

    std::vector<std::string> names(const OdsBook& book) const override { return book.names; }

    bool read(OdsBook& book, std::size_t index, SheetWriter& writer, std::string& failure) override
    {
        // The sheet list has read content.xml through: the import opens the package
        // afresh, with a fresh inflation budget.
        auto zip = ZipPackage::open(book.path, failure);
        if (!zip) return false;
        OdsStyles styles;
        if (zip->has("styles.xml")) {
            auto common = zip->xml("styles.xml", failure);
            if (!common || !styles.read(*common, failure)) return false;
        }
        auto content = zip->xml("content.xml", failure);
        if (!content || !styles.read(*content, failure)) return false;
        std::size_t tables = 0;
        bool found = false, spreadsheet = false;
        const auto table = [&](bool empty, Walk& walk) {
            if (tables++ < index) return true;
            found = true;
            walk = Walk::Stop;
            return ReadOdsTable(*content, empty, styles, writer, failure);
        };
        if (!WalkTables(*content, failure, spreadsheet, table)) return false;
        // The file changed since the list was read.
        if (!found) failure = "the workbook has no sheet " + std::to_string(index + 1);
        return found;
    }
};

} // namespace

std::unique_ptr<WorkbookReader> MakeOdsWorkbookReader() { return std::make_unique<OdsWorkbookReader>(); }

} // namespace etp
