// The .ods reader behind File > Open. isWorkbook opens the zip package and checks that
// it is a spreadsheet; the sheet list reads content.xml through, keeping only the
// names; the import reads styles.xml and then content.xml up to the end of the chosen
// table, so a big workbook is never held whole.
#include <functional>

#include "import/OdsStyles.h"
#include "import/OdsTable.h"
#include "import/SheetWriter.h"
#include "import/WorkbookReader.h"
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

class OdsWorkbookReader final : public WorkbookReader {
public:
    bool isWorkbook(const std::string& path) override
    {
        opened_.reset();
        failure_.clear();
        auto zip = ZipPackage::open(path, failure_);
        if (!zip || !IsSpreadsheet(*zip, failure_)) return false;
        opened_.emplace(Opened{path, std::move(*zip), std::nullopt});
        return true;
    }

    std::optional<std::vector<std::string>> sheetNames(const std::string& path) override
    {
        if (!open(path)) return std::nullopt;
        if (!opened_->names) {
            auto content = opened_->zip.xml("content.xml", failure_);
            if (!content) return std::nullopt;
            std::vector<std::string> names;
            bool spreadsheet = false;
            const auto name = [&](bool, Walk&) {
                names.emplace_back(content->attribute("name"));
                return true;
            };
            if (!WalkTables(*content, failure_, spreadsheet, name)) return std::nullopt;
            if (!spreadsheet) {
                failure_ = kNoSpreadsheet;
                return std::nullopt;
            }
            opened_->names = std::move(names);
        }
        return opened_->names;
    }

    bool importSheet(const std::string& path, int index, MeteoSheet& sheet) override
    {
        dropped_ = 0;
        if (!open(path)) return false;
        std::optional<ZipPackage> zip;
        // A package whose content.xml the sheet list has read is opened afresh, with
        // a fresh inflation budget.
        if (opened_->names) zip = ZipPackage::open(path, failure_);
        else zip = std::move(opened_->zip);
        opened_.reset(); // an import reads the file afresh
        if (!zip) return false;
        const std::string noSheet = "the workbook has no sheet " + std::to_string(static_cast<long long>(index) + 1);
        if (index < 0) {
            failure_ = noSheet;
            return false;
        }

        OdsStyles styles;
        if (zip->has("styles.xml")) {
            auto common = zip->xml("styles.xml", failure_);
            if (!common || !styles.read(*common, failure_)) return false;
        }
        auto content = zip->xml("content.xml", failure_);
        if (!content || !styles.read(*content, failure_)) return false;

        // On failure the sheet keeps the rows written so far.
        SheetWriter writer(sheet);
        int tables = 0;
        bool found = false, spreadsheet = false;
        const auto table = [&](bool empty, Walk& walk) {
            if (tables++ < index) return true;
            found = true;
            walk = Walk::Stop;
            return ReadOdsTable(*content, empty, styles, writer, failure_);
        };
        if (!WalkTables(*content, failure_, spreadsheet, table)) return false;
        if (!found) {
            failure_ = spreadsheet ? noSheet : kNoSpreadsheet;
            return false;
        }
        dropped_ = writer.finish();
        return true;
    }

    int droppedColumns() const override { return dropped_; }
    std::string failure() const override { return failure_; }

private:
    struct Opened {
        std::string path;
        ZipPackage zip;
        std::optional<std::vector<std::string>> names; // once the list has been read
    };

    // The package of path, opened now unless it is the one kept.
    bool open(const std::string& path) { return (opened_ && opened_->path == path) || isWorkbook(path); }

    std::optional<Opened> opened_;
    std::string failure_;
    int dropped_ = 0;
};

} // namespace

std::unique_ptr<WorkbookReader> MakeOdsWorkbookReader() { return std::make_unique<OdsWorkbookReader>(); }

} // namespace etp
