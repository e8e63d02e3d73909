// The .xls reader behind File > Open: isWorkbook opens the file (its workbook stream
// and globals), which the sheet list and the import that follow it reuse.
#include "import/BiffWorkbook.h"
#include "import/KeptWorkbookReader.h"
#include "import/XlsContainer.h"

namespace etp {

namespace {

struct XlsBook {
    WorkbookStream stream;
    BiffWorkbook workbook;
};

class XlsWorkbookReader final : public KeptWorkbookReader<XlsBook> {
    std::optional<XlsBook> open(const std::string& path, std::string& failure) override
    {
        auto stream = ReadWorkbookStream(path, failure);
        if (!stream) return std::nullopt;
        auto globals = ReadBiffWorkbook(stream->bytes(), stream->version, failure);
        if (!globals) return std::nullopt;
        return XlsBook{std::move(*stream), std::move(*globals)};
    }

    std::vector<std::string> names(const XlsBook& book) const override
    {
        std::vector<std::string> names;
        for (const auto& sheet : book.workbook.sheets) names.push_back(sheet.name);
        return names;
    }

    bool read(XlsBook& book, std::size_t index, SheetWriter& writer, std::string& failure) override
    {
        return ReadBiffWorksheet(book.stream.bytes(), book.workbook, index, writer, failure);
    }
};

} // namespace

std::unique_ptr<WorkbookReader> MakeXlsWorkbookReader() { return std::make_unique<XlsWorkbookReader>(); }

} // namespace etp
