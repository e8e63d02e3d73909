// The .xls reader behind File > Open: isWorkbook opens the file (its workbook stream
// and globals), which the sheet list and the import that follow it reuse.
#include "import/BiffWorkbook.h"
#include "import/SheetWriter.h"
#include "import/WorkbookReader.h"
#include "import/XlsContainer.h"

namespace etp {

namespace {

class XlsWorkbookReader final : public WorkbookReader {
public:
    bool isWorkbook(const std::string& path) override
    {
        opened_.reset();
        failure_.clear();
        auto stream = ReadWorkbookStream(path, failure_);
        if (!stream) return false;
        auto globals = ReadBiffWorkbook(stream->bytes(), stream->version, failure_);
        if (!globals) return false;
        opened_ = Opened{path, std::move(*stream), std::move(*globals)};
        return true;
    }

    std::optional<std::vector<std::string>> sheetNames(const std::string& path) override
    {
        if (!open(path)) return std::nullopt;
        std::vector<std::string> names;
        for (const auto& sheet : opened_->workbook.sheets) names.push_back(sheet.name);
        return names;
    }

    bool importSheet(const std::string& path, int index, MeteoSheet& sheet) override
    {
        dropped_ = 0;
        if (!open(path)) return false;
        const Opened opened = std::move(*opened_);
        opened_.reset(); // an import reads the file afresh
        if (index < 0) {
            failure_ = "there is no sheet " + std::to_string(index + 1);
            return false;
        }
        // On failure the sheet keeps the rows written so far.
        SheetWriter writer(sheet);
        if (!ReadBiffWorksheet(opened.stream.bytes(), opened.workbook, static_cast<std::size_t>(index), writer, failure_))
            return false;
        dropped_ = writer.finish();
        return true;
    }

    int droppedColumns() const override { return dropped_; }
    std::string failure() const override { return failure_; }

private:
    struct Opened {
        std::string path;
        WorkbookStream stream;
        BiffWorkbook workbook;
    };

    // The workbook of path, opened now unless it is the one kept.
    bool open(const std::string& path) { return (opened_ && opened_->path == path) || isWorkbook(path); }

    std::optional<Opened> opened_;
    std::string failure_;
    int dropped_ = 0;
};

} // namespace

std::unique_ptr<WorkbookReader> MakeXlsWorkbookReader() { return std::make_unique<XlsWorkbookReader>(); }

} // namespace etp
