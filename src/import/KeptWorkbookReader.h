#pragma once
// What every workbook reader does alike: the workbook test opens the file and keeps what
// it read (Book), the sheet list and the import of the same file reuse it, and the import
// lets it go, so that a later call reads the file afresh.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "import/SheetWriter.h"
#include "import/WorkbookReader.h"

namespace etp {

template <typename Book>
class KeptWorkbookReader : public WorkbookReader {
public:
    bool isWorkbook(const std::string& path) final
    {
        kept_.reset();
        failure_.clear();
        auto book = open(path, failure_);
        if (!book) return false;
        kept_.emplace(path, std::move(*book));
        return true;
    }

    std::optional<std::vector<std::string>> sheetNames(const std::string& path) final
    {
        if (!keep(path)) return std::nullopt;
        return names(kept_->second);
    }

    bool importSheet(const std::string& path, int index, MeteoSheet& sheet) final
    {
        dropped_ = 0;
        if (!keep(path)) return false;
        Book book = std::move(kept_->second);
        kept_.reset();
        if (index < 0 || static_cast<std::size_t>(index) >= names(book).size()) {
            failure_ = "the workbook has no sheet " + std::to_string(index + 1);
            return false;
        }
        // On failure the sheet keeps the rows written so far.
        SheetWriter writer(sheet);
        if (!read(book, static_cast<std::size_t>(index), writer, failure_)) return false;
        dropped_ = writer.finish();
        return true;
    }

    int droppedColumns() const final { return dropped_; }
    std::string failure() const final { return failure_; }

protected:
    // The workbook of path, or nullopt with the reason.
    virtual std::optional<Book> open(const std::string& path, std::string& failure) = 0;
    // Its sheets' names in workbook order.
    virtual std::vector<std::string> names(const Book& book) const = 0;
    // Sheet index (an index of names) into writer, or false with the reason.
    virtual bool read(Book& book, std::size_t index, SheetWriter& writer, std::string& failure) = 0;

private:
    // The workbook of path, opened now unless it is the one kept.
    bool keep(const std::string& path) { return (kept_ && kept_->first == path) || isWorkbook(path); }

    std::optional<std::pair<std::string, Book>> kept_;
    std::string failure_;
    int dropped_ = 0;
};

} // namespace etp
