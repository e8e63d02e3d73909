#pragma once
// A BIFF workbook stream: its globals (BIFF5 and BIFF8: the sheet list, shared strings,
// formats, date system, code page) and the cells of one worksheet. A BIFF2-4 file is a
// single worksheet whose formats stand among its cells.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "import/BiffRecords.h"
#include "import/CellText.h"

namespace etp {

class SheetWriter;

struct BiffWorkbook {
    struct Sheet {
        std::string name;
        std::size_t offset = 0; // of the sheet's BOF record in the stream
    };

    int version = 8;      // 2, 3, 4, 5 or 8
    int codepage = 1252;  // of BIFF2-5 byte strings
    bool date1904 = false;
    std::vector<Sheet> sheets; // worksheets in workbook order, hidden ones too
    std::vector<std::string> sharedStrings;
    std::vector<ValueFormat> xfFormats;       // by XF index
    std::vector<std::uint8_t> definedFormats; // by format index: a ValueFormat, or kUndefined

    static constexpr std::uint8_t kUndefined = 0xFF;
    ValueFormat formatOfIndex(std::size_t index) const;
    ValueFormat formatOfXf(std::size_t xf) const
    {
        return xf < xfFormats.size() ? xfFormats[xf] : ValueFormat::Number;
    }
};

// The globals of a workbook stream; nullopt, with the reason, for a stream this reader
// cannot read: no BIFF stream, an encrypted workbook, a chart or macro file, a stream
// cut short. `streamVersion` (5 or 8) tells the version where the first BOF record
// leaves it open: the compound file's stream name.
std::optional<BiffWorkbook> ReadBiffWorkbook(biff::Bytes stream, int streamVersion, std::string& failure);

// Hands the cells of worksheet `index` to the writer; false, with the reason, when there
// is no such worksheet or its records are damaged or cut short.
bool ReadBiffWorksheet(biff::Bytes stream, const BiffWorkbook& workbook, std::size_t index, SheetWriter& cells,
                       std::string& failure);

} // namespace etp
