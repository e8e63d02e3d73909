#include "sheet/WorkbookReader.h"

namespace etp {

namespace {

class NoWorkbookReader final : public WorkbookReader {
public:
    bool isWorkbook(const std::string&) override { return false; }
    std::optional<std::vector<std::string>> sheetNames(const std::string&) override { return std::nullopt; }
    bool importSheet(const std::string&, int, MeteoSheet&) override { return false; }
};

} // namespace

std::unique_ptr<WorkbookReader> MakeNoWorkbookReader() { return std::make_unique<NoWorkbookReader>(); }

} // namespace etp
