#include "import/BiffWorkbook.h"

#include <algorithm>

#include "import/CodepageDecoder.h"

namespace etp {

namespace {

using namespace biff; // the record layer is this file's vocabulary

enum : std::uint16_t {
    kFilepass = 0x002F,
    kCodepage = 0x0042,
    kDatemode = 0x0022,
    kFormat23 = 0x001E, // BIFF2-3, numbered by order
    kFormat = 0x041E,   // BIFF4 (numbered by order), BIFF5 and BIFF8 (numbered in the record)
    kXf3 = 0x0243,
    kXf4 = 0x0443,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kBoundSheet = 0x0085,
};

// BOF types (dt): globals of a BIFF5/8 workbook, a worksheet, a BIFF4 workbook.
constexpr std::uint16_t kGlobals = 0x0005;
constexpr std::uint16_t kWorksheet = 0x0010;
constexpr std::uint16_t kBiff4Workbook = 0x0100;

int VersionOf(const Record& bof, int streamVersion)
{
    switch (bof.id) {
    case biff::kBof2: return 2;
    case biff::kBof3: return 3;
    case biff::kBof4: return 4;
    default: break;
    }
    const std::uint16_t vers = bof.data.size() >= 2 ? U16(bof.data.data()) : 0;
    if (vers == 0x0600) return 8;
    if (vers == 0x0500) return 5;
    return streamVersion;
}

void AddFormat(BiffWorkbook& workbook, std::size_t index, std::string_view code)
{
    if (workbook.definedFormats.size() <= index) workbook.definedFormats.resize(index + 1, BiffWorkbook::kUndefined);
    workbook.definedFormats[index] = static_cast<std::uint8_t>(ClassifyFormatCode(code));
}

// FORMAT: the code is all that matters, and its date and time letters are ASCII in
// every code page, so BIFF2-5 codes are read as Latin-1.
void ReadFormat(BiffWorkbook& workbook, const Record& record, std::size_t& implicitIndex)
{
    std::string code;
    const biff::Latin1Decoder latin1;
    if (record.id == kFormat23 || workbook.version == 4) {
        Cursor cursor(record.data);
        if (workbook.version == 4 && !cursor.skip(2)) return;
        if (cursor.byteString(1, latin1, code)) AddFormat(workbook, implicitIndex, code);
        ++implicitIndex;
        return;
    }
    if (record.data.size() < 2) return;
    Cursor cursor(record.data.subspan(2));
    const bool read = workbook.version == 8 ? cursor.unicodeString(2, code) : cursor.byteString(1, latin1, code);
    if (read) AddFormat(workbook, U16(record.data.data()), code);
}

void ReadSharedStrings(BiffWorkbook& workbook, std::vector<Bytes> segments)
{
    std::size_t bytes = 0;
    for (const Bytes s : segments) bytes += s.size();
    Cursor cursor(std::move(segments));
    std::uint32_t total = 0, unique = 0;
    if (!cursor.u32(total) || !cursor.u32(unique)) return;
    // Each string takes 3 bytes at least, whatever count the record claims.
    workbook.sharedStrings.reserve(std::min<std::size_t>(unique, bytes / 3));
    // A damaged table ends where it stops making sense; cells that refer past it fail.
    for (std::uint32_t i = 0; i < unique; ++i) {
        std::string text;
        if (!cursor.unicodeString(2, text)) break;
        workbook.sharedStrings.push_back(std::move(text));
    }
}

// The length of the substream at offset, 0 when it does not run from a BOF record to
// its EOF record.
std::size_t SubstreamBytes(Bytes stream, std::size_t offset)
{
    SubstreamReader reader(stream, offset);
    Record record;
    if (!reader.started(record)) return 0;
    while (reader.next(record)) {
    }
    return reader.complete() ? reader.offset() - offset : 0;
}

// The first record: the BIFF version, and a worksheet or a workbook of them. The reason
// when it is neither.
std::optional<std::string> ReadBeginning(SubstreamReader& reader, int streamVersion, BiffWorkbook& workbook)
{
    Record record;
    if (!reader.started(record) || record.data.size() < 4) return "it does not start with a BIFF record";
    workbook.version = VersionOf(record, streamVersion);
    const std::uint16_t type = U16(record.data.data() + 2);
    if (workbook.version <= 4 && type == kBiff4Workbook) return "it is a BIFF4 workbook of several sheets";
    if (type != (workbook.version <= 4 ? kWorksheet : kGlobals)) return "it holds a chart or macros, not worksheets";
    if (workbook.version <= 4) workbook.sheets.push_back({"Sheet1", 0});
    return std::nullopt;
}

// What the globals give beyond the workbook's own fields: the worksheets' offsets with
// their name fields, and the number format of each cell format in order.
struct GlobalRecords {
    std::vector<std::pair<std::size_t, Bytes>> boundSheets; // offset, name field
    std::vector<std::uint16_t> xfFormatIndexes;
};

// The workbook's globals up to their end; the reason when the file is protected or cut short.
std::optional<std::string> ReadGlobals(SubstreamReader& reader, BiffWorkbook& workbook, GlobalRecords& globals)
{
    Record record;
    std::size_t implicitFormatIndex = 0;
    while (reader.next(record)) {
        const Bytes data = record.data;
        switch (record.id) {
        case kFilepass: return "it is protected by a password";
        case kCodepage:
            if (data.size() >= 2) workbook.codepage = U16(data.data());
            break;
        case kDatemode:
            if (data.size() >= 2) workbook.date1904 = U16(data.data()) == 1;
            break;
        case kFormat23:
        case kFormat:
            ReadFormat(workbook, record, implicitFormatIndex);
            break;
        case kXf3:
        case kXf4:
            if (data.size() >= 2) globals.xfFormatIndexes.push_back(data[1]);
            break;
        case kXf:
            if (data.size() >= 4 && workbook.version >= 5) globals.xfFormatIndexes.push_back(U16(data.data() + 2));
            break;
        case kSst:
            if (workbook.version == 8) ReadSharedStrings(workbook, reader.withContinues(record));
            break;
        case kBoundSheet:
            // Worksheets only (type 0): chart sheets, macro sheets and modules are skipped.
            if (workbook.version >= 5 && data.size() >= 6 && data[5] == 0)
                globals.boundSheets.emplace_back(U32(data.data()), data.subspan(6));
            break;
        default:
            break;
        }
    }
    if (!reader.complete()) return "it is cut short";
    return std::nullopt;
}

// The worksheets by name, each one's record chain whole; the reason when one is damaged.
std::optional<std::string> AddWorksheets(Bytes stream, const GlobalRecords& globals, BiffWorkbook& workbook)
{
    const CodepageDecoder decoder(workbook.codepage);
    for (const auto& [offset, field] : globals.boundSheets) {
        std::string name;
        Cursor cursor(field);
        if (!(workbook.version == 8 ? cursor.unicodeString(1, name) : cursor.byteString(1, decoder, name)))
            return "a sheet name is damaged";
        // A record chain that breaks anywhere means a damaged file: it is refused whole,
        // before a sheet is offered, rather than sheet by sheet.
        if (SubstreamBytes(stream, offset) == 0) return "its sheet \"" + name + "\" is damaged or cut short";
        workbook.sheets.push_back({std::move(name), offset});
    }
    return std::nullopt;
}

} // namespace

ValueFormat BiffWorkbook::formatOfIndex(std::size_t index) const
{
    if (index < definedFormats.size() && definedFormats[index] != kUndefined)
        return static_cast<ValueFormat>(definedFormats[index]);
    return BuiltInValueFormat(static_cast<int>(std::min<std::size_t>(index, 0xFFFF)));
}

std::optional<BiffWorkbook> ReadBiffWorkbook(Bytes stream, int streamVersion, std::string& failure)
{
    SubstreamReader reader(stream, 0);
    BiffWorkbook workbook;
    GlobalRecords globals;
    std::optional<std::string> problem = ReadBeginning(reader, streamVersion, workbook);
    if (!problem) problem = ReadGlobals(reader, workbook, globals);
    if (!problem) problem = AddWorksheets(stream, globals, workbook);
    if (problem) {
        failure = std::move(*problem);
        return std::nullopt;
    }
    workbook.xfFormats.reserve(globals.xfFormatIndexes.size());
    for (const std::uint16_t index : globals.xfFormatIndexes) workbook.xfFormats.push_back(workbook.formatOfIndex(index));
    return workbook;
}

} // namespace etp
