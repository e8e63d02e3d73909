#pragma once
// Which reader a station file needs, told by its first bytes rather than by its name: a
// compound file or a bare BIFF stream is an .xls workbook, a zip is an .xlsx or .ods one
// (by the parts it holds), anything else is text.
#include <string>
#include <string_view>

namespace etp {

enum class FileFormat { Text, Xls, Xlsx, Ods, OtherZip };

// By content. A file that cannot be read is answered by its name, so that its reader
// says why it cannot be read.
FileFormat DetectFileFormat(const std::string& path);
// By the name's extension, ignoring case: .xls, .xlsx/.xlsm, .ods; anything else Text.
FileFormat FormatByExtension(std::string_view path);
// "a text file", "an .xls workbook", "an .xlsx workbook", "an .ods workbook", "a zip file".
const char* FormatName(FileFormat format);

} // namespace etp
