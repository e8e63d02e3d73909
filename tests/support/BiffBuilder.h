#pragma once
// BIFF streams written record by record, for the workbooks no spreadsheet program writes
// on request: damaged, cut short, encrypted, BIFF5, records in odd orders.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace etp::testing {

// The body of one record, little-endian.
class Body {
public:
    Body& u8(unsigned v)
    {
        data.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Body& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8 & 0xFF); }
    Body& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Body& f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
    }
    Body& bytes(std::string_view s)
    {
        data.insert(data.end(), s.begin(), s.end());
        return *this;
    }
    // BIFF2-5 byte string: count (countBytes wide), bytes.
    Body& counted(std::string_view bytes, int countBytes) { return count(bytes.size(), countBytes).bytes(bytes); }
    // BIFF8 string of one-byte characters: count, flags 0, characters.
    Body& narrow(std::string_view latin1, int countBytes = 2) { return count(latin1.size(), countBytes).u8(0).bytes(latin1); }
    // BIFF8 string of UTF-16 characters: count, flags 1, characters.
    Body& wide(std::u16string_view text)
    {
        count(text.size(), 2).u8(1);
        for (const char16_t c : text) u16(c);
        return *this;
    }
    // Row, column and XF index, the start of every BIFF3-8 cell record.
    Body& cell(unsigned row, unsigned column, unsigned xf = 0) { return u16(row).u16(column).u16(xf); }

    std::vector<std::uint8_t> data;

private:
    Body& count(std::size_t n, int countBytes) { return countBytes == 1 ? u8(static_cast<unsigned>(n)) : u16(static_cast<unsigned>(n)); }
};

class Stream {
public:
    // Appends a record; answers its offset.
    std::size_t record(std::uint16_t id, const Body& body = {})
    {
        const std::size_t at = data.size();
        const Body header = Body().u16(id).u16(static_cast<unsigned>(body.data.size()));
        data.insert(data.end(), header.data.begin(), header.data.end());
        data.insert(data.end(), body.data.begin(), body.data.end());
        return at;
    }

    std::vector<std::uint8_t> data;
};

enum : std::uint16_t {
    kBofRecord = 0x0809, kEofRecord = 0x000A, kContinueRecord = 0x003C, kBoundSheetRecord = 0x0085,
    kSstRecord = 0x00FC, kLabelSstRecord = 0x00FD, kXfRecord = 0x00E0, kFormatRecord = 0x041E,
    kNumberRecord = 0x0203, kRkRecord = 0x027E, kMulRkRecord = 0x00BD, kLabelRecord = 0x0204,
    kBoolErrRecord = 0x0205, kFormulaRecord = 0x0006, kStringRecord = 0x0207, kDimensionsRecord = 0x0200,
};

// XF 0: General, XF 1: built-in date 14, XF 2: format 164 = "h:mm", XF 3: format 165 =
// "0.0 \"days\"" (a number format with a d in quotes).
inline void StandardFormats(Stream& s, bool biff8 = true)
{
    for (const auto& [index, code] : {std::pair{164u, "h:mm"}, std::pair{165u, "0.0 \"days\""}})
        s.record(kFormatRecord, biff8 ? Body().u16(index).narrow(code) : Body().u16(index).counted(code, 1));
    for (const unsigned ifmt : {0u, 14u, 164u, 165u}) s.record(kXfRecord, Body().u16(0).u16(ifmt).bytes(std::string(16, '\0')));
}

struct SheetDraft {
    std::string name;                  // Latin-1 bytes (BIFF5) or ASCII (BIFF8)
    std::function<void(Stream&)> body; // the records between BOF and EOF
    unsigned type = 0;                 // BOUNDSHEET type: 0 worksheet, 1 macro sheet, 2 chart
    unsigned state = 0;                // 0 visible, 1 hidden
};

// A bare BIFF5 or BIFF8 workbook stream: globals (BOF, what `globals` writes, the sheet
// list, EOF), then each sheet from its BOF to its EOF.
inline std::vector<std::uint8_t> Workbook(const std::vector<SheetDraft>& sheets,
                                          const std::function<void(Stream&)>& globals = {}, bool biff8 = true)
{
    Stream s;
    const unsigned version = biff8 ? 0x0600 : 0x0500;
    s.record(kBofRecord, Body().u16(version).u16(0x0005).u32(0).u32(0).u32(0));
    if (globals) globals(s);
    std::vector<std::size_t> offsets;
    for (const auto& sheet : sheets) {
        const Body body = Body().u32(0).u8(sheet.state).u8(sheet.type);
        offsets.push_back(s.record(kBoundSheetRecord, biff8 ? Body(body).narrow(sheet.name, 1) : Body(body).counted(sheet.name, 1)) + 4);
    }
    s.record(kEofRecord);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const Body start = Body().u32(static_cast<std::uint32_t>(s.data.size()));
        std::copy(start.data.begin(), start.data.end(), s.data.begin() + static_cast<std::ptrdiff_t>(offsets[i]));
        s.record(kBofRecord, Body().u16(version).u16(sheets[i].type == 2 ? 0x0020 : 0x0010).u32(0).u32(0).u32(0));
        if (sheets[i].body) sheets[i].body(s);
        s.record(kEofRecord);
    }
    return s.data;
}

} // namespace etp::testing
