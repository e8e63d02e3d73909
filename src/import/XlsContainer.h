#pragma once
// The BIFF stream of an .xls file: the "Workbook" (BIFF8) or "Book" (BIFF5) stream of an
// OLE2 compound file, read through libgsf, or the whole file when it is a bare BIFF
// stream, as BIFF2-4 files are.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "import/BiffRecords.h"

namespace etp {

struct WorkbookStream {
    std::unique_ptr<std::uint8_t[]> data; // not zeroed first: the file's bytes fill it
    std::size_t size = 0;
    int version = 8; // what the stream's name says: 5 for "Book", 8 otherwise
    biff::Bytes bytes() const { return {data.get(), size}; }
};

// Neither the file nor its workbook stream may be larger than this.
inline constexpr std::uint64_t kMaxWorkbookBytes = std::uint64_t{1} << 30;

// nullopt, with the reason, for a folder, a file that cannot be read, a compound file
// that is damaged or holds no workbook (an encrypted .xlsx, a Word document), and any
// other file that is no BIFF stream (text, an .xlsx renamed).
std::optional<WorkbookStream> ReadWorkbookStream(const std::string& path, std::string& failure);
std::optional<WorkbookStream> ReadWorkbookStream(biff::Bytes file, std::string& failure);

} // namespace etp
