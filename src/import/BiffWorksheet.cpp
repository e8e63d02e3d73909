// The cell records of one worksheet, BIFF2 to BIFF8, as cell texts.
#include <algorithm>
#include <optional>

#include "import/BiffWorkbook.h"
#include "import/SheetWriter.h"
#include "import/CodepageDecoder.h"

namespace etp {

namespace {

using namespace biff; // the record layer is this file's vocabulary

enum : std::uint16_t {
    // BIFF2: row, column, three bytes of cell attributes (the second holds the format).
    kInteger2 = 0x0002,
    kNumber2 = 0x0003,
    kLabel2 = 0x0004,
    kBoolErr2 = 0x0005,
    kFormula2 = 0x0006, // the BIFF5/8 FORMULA record too, with an XF index instead
    kString2 = 0x0007,
    // BIFF3-8: row, column, XF index.
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kFormula3 = 0x0206,
    kFormula4 = 0x0406,
    kString = 0x0207,
    kRk = 0x027E,
    kMulRk = 0x00BD,
    kLabelSst = 0x00FD,
    kRString = 0x00D6,
};

// RK: a 30-bit integer or the high 30 bits of a double, either perhaps divided by 100.
double RkValue(std::uint32_t rk)
{
    double value;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint8_t bytes[8] = {0, 0, 0, 0, static_cast<std::uint8_t>(rk & 0xFC), static_cast<std::uint8_t>(rk >> 8),
                                       static_cast<std::uint8_t>(rk >> 16), static_cast<std::uint8_t>(rk >> 24)};
        value = biff::F64(bytes);
    }
    return rk & 0x01 ? value / 100 : value;
}

class SheetReader {
public:
    SheetReader(Bytes stream, const BiffWorkbook& workbook, SheetWriter& cells)
        : stream_(stream), workbook_(workbook), cells_(cells), decoder_(workbook.version <= 5 ? workbook.codepage : 1252)
    {
    }

    bool read(const BiffWorkbook::Sheet& sheet, std::string& failure);

private:
    bool record(const Record& record, SubstreamReader& reader);
    bool text(std::uint16_t row, std::uint16_t column, std::string_view text);
    bool value(std::uint16_t row, std::uint16_t column, ValueFormat format, double number);
    bool formula(std::uint16_t row, std::uint16_t column, ValueFormat format, const std::uint8_t* result);
    bool string(std::vector<Bytes> segments, int lengthBytes, std::string& out) const;

    Bytes stream_;
    const BiffWorkbook& workbook_;
    SheetWriter& cells_;
    CodepageDecoder decoder_; // BIFF8 has byte strings only in BIFF2 records some writers use
    CellTextBuffer buffer_{};
    std::string scratch_;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> pendingString_; // a formula's text result
    const char* failure_ = nullptr;
};

bool SheetReader::text(std::uint16_t row, std::uint16_t column, std::string_view text)
{
    if (cells_.add(row, column, text)) return true;
    failure_ = cells_.failure();
    return false;
}

bool SheetReader::value(std::uint16_t row, std::uint16_t column, ValueFormat format, double number)
{
    return text(row, column, ValueCellText(number, format, workbook_.date1904, buffer_));
}

// The result a formula had when the file was saved: a number, or in the last two bytes
// 0xFFFF and in the first the kind: text (in the STRING record that follows), boolean,
// error or empty text.
bool SheetReader::formula(std::uint16_t row, std::uint16_t column, ValueFormat format, const std::uint8_t* result)
{
    if (U16(result + 6) != 0xFFFF) return value(row, column, format, biff::F64(result));
    switch (result[0]) {
    case 0: pendingString_.emplace(row, column); return true;
    case 1: return text(row, column, BooleanCellText(result[2] != 0));
    case 2: return text(row, column, ErrorCellText(result[2]));
    default: return true;
    }
}

bool SheetReader::string(std::vector<Bytes> segments, int lengthBytes, std::string& out) const
{
    out.clear();
    Cursor cursor(std::move(segments));
    return workbook_.version == 8 ? cursor.unicodeString(lengthBytes, out)
                                  : cursor.byteString(lengthBytes, decoder_, out);
}

bool SheetReader::record(const Record& record, SubstreamReader& reader)
{
    const Bytes data = record.data;
    const std::size_t size = data.size();
    const std::uint8_t* p = data.data();
    const bool biff2Formula = record.id == kFormula2 && workbook_.version == 2;
    // Records of BIFF2 carry the format in their cell attributes, later ones an XF index.
    const auto format2 = [&] { return workbook_.formatOfIndex(p[5] & 0x3F); };
    const auto format = [&] { return workbook_.formatOfXf(U16(p + 4)); };
    const auto cutShort = [&](std::size_t needed) {
        if (size >= needed) return false;
        failure_ = "a cell record is cut short";
        return true;
    };
    switch (record.id) {
    case kNumber:
        return !cutShort(14) && value(U16(p), U16(p + 2), format(), biff::F64(p + 6));
    case kNumber2:
        return !cutShort(15) && value(U16(p), U16(p + 2), format2(), biff::F64(p + 7));
    case kInteger2:
        return !cutShort(9) && value(U16(p), U16(p + 2), format2(), U16(p + 7));
    case kRk:
        return !cutShort(10) && value(U16(p), U16(p + 2), format(), RkValue(U32(p + 6)));
    case kMulRk: {
        if (cutShort(6)) return false;
        const std::uint16_t row = U16(p);
        const std::size_t first = U16(p + 2);
        const std::size_t count = (size - 6) / 6;
        for (std::size_t i = 0; i < count && first + i <= 0xFFFF; ++i) {
            const std::uint8_t* cell = p + 4 + 6 * i;
            if (!value(row, static_cast<std::uint16_t>(first + i), workbook_.formatOfXf(U16(cell)), RkValue(U32(cell + 2))))
                return false;
        }
        return true;
    }
    case kLabelSst: {
        if (cutShort(10)) return false;
        const std::uint32_t index = U32(p + 6);
        if (index >= workbook_.sharedStrings.size()) {
            failure_ = "a cell refers to a shared string the workbook lacks";
            return false;
        }
        return text(U16(p), U16(p + 2), workbook_.sharedStrings[index]);
    }
    case kLabel:
    case kRString: {
        if (cutShort(6)) return false;
        auto segments = reader.withContinues(record);
        segments.front() = segments.front().subspan(6);
        if (string(std::move(segments), 2, scratch_)) return text(U16(p), U16(p + 2), scratch_);
        failure_ = "a text cell is damaged";
        return false;
    }
    case kLabel2:
        if (cutShort(8)) return false;
        if (Cursor(data.subspan(7)).byteString(1, decoder_, scratch_.erase()))
            return text(U16(p), U16(p + 2), scratch_);
        failure_ = "a text cell is damaged";
        return false;
    case kBoolErr:
    case kBoolErr2: {
        const std::size_t at = record.id == kBoolErr ? 6 : 7;
        if (cutShort(at + 2)) return false;
        return text(U16(p), U16(p + 2), p[at + 1] ? ErrorCellText(p[at]) : BooleanCellText(p[at] != 0));
    }
    case kFormula2:
    case kFormula3:
    case kFormula4:
        if (biff2Formula) return !cutShort(15) && formula(U16(p), U16(p + 2), format2(), p + 7);
        return !cutShort(14) && formula(U16(p), U16(p + 2), format(), p + 6);
    default:
        return true;
    }
}

bool SheetReader::read(const BiffWorkbook::Sheet& sheet, std::string& failure)
{
    SubstreamReader reader(stream_, sheet.offset);
    Record record;
    if (!reader.started(record)) {
        failure = "the sheet does not start where the workbook says";
        return false;
    }
    while (reader.next(record)) {
        if (record.id == kString || record.id == kString2) {
            if (!pendingString_) continue;
            const auto [row, column] = *pendingString_;
            pendingString_.reset();
            const int lengthBytes = record.id == kString2 ? 1 : 2;
            if (!string(reader.withContinues(record), lengthBytes, scratch_)) {
                failure = "a formula's text is damaged";
                return false;
            }
            if (!text(row, column, scratch_)) break;
            continue;
        }
        // A formula's STRING record follows it, perhaps after its shared or array formula.
        if (record.id == 0x04BC || record.id == 0x0221 || record.id == 0x0021 || record.id == 0x0236) continue;
        pendingString_.reset();
        if (!this->record(record, reader)) break;
    }
    if (failure_) {
        failure = failure_;
        return false;
    }
    if (!reader.complete()) {
        failure = "the sheet is cut short";
        return false;
    }
    return true;
}

} // namespace

bool ReadBiffWorksheet(Bytes stream, const BiffWorkbook& workbook, std::size_t index, SheetWriter& cells,
                       std::string& failure)
{
    if (index >= workbook.sheets.size()) {
        failure = "the workbook has no sheet " + std::to_string(index + 1);
        return false;
    }
    return SheetReader(stream, workbook, cells).read(workbook.sheets[index], failure);
}

} // namespace etp
