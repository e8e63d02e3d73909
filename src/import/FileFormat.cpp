#include "import/FileFormat.h"

#include <cstring>
#include <fstream>

#include "base/Text.h"
#include "import/BiffRecords.h"
#include "import/ZipPackage.h"

namespace etp {

namespace {

constexpr unsigned char kCompoundFileMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr unsigned char kZipMagic[4] = {'P', 'K', 3, 4};

FileFormat ZipFormat(const std::string& path)
{
    std::string failure;
    const auto package = ZipPackage::open(path, failure);
    if (!package) return FormatByExtension(path);
    if (package->has("[Content_Types].xml")) return FileFormat::Xlsx;
    if (package->has("content.xml")) return FileFormat::Ods;
    return FileFormat::OtherZip;
}

} // namespace

FileFormat FormatByExtension(std::string_view path)
{
    const std::string name = UpperCase(path);
    if (name.ends_with(".XLS")) return FileFormat::Xls;
    if (name.ends_with(".XLSX") || name.ends_with(".XLSM")) return FileFormat::Xlsx;
    if (name.ends_with(".ODS")) return FileFormat::Ods;
    return FileFormat::Text;
}

FileFormat DetectFileFormat(const std::string& path)
{
    unsigned char head[8] = {};
    std::ifstream file(path, std::ios::binary);
    if (!file || !file.read(reinterpret_cast<char*>(head), sizeof head)) {
        // Too short for any workbook, or unreadable: a short text, or the named reader's
        // own refusal.
        return file.gcount() > 0 ? FileFormat::Text : FormatByExtension(path);
    }
    if (std::memcmp(head, kCompoundFileMagic, sizeof kCompoundFileMagic) == 0) return FileFormat::Xls;
    if (biff::IsBof(biff::U16(head))) return FileFormat::Xls;
    if (std::memcmp(head, kZipMagic, sizeof kZipMagic) == 0) return ZipFormat(path);
    return FileFormat::Text;
}

const char* FormatName(FileFormat format)
{
    switch (format) {
    case FileFormat::Xls: return "an .xls workbook";
    case FileFormat::Xlsx: return "an .xlsx workbook";
    case FileFormat::Ods: return "an .ods workbook";
    case FileFormat::OtherZip: return "a zip file";
    case FileFormat::Text: break;
    }
    return "a text file";
}

} // namespace etp
