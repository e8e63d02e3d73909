#pragma once
// The record layer of a BIFF stream, the cell data of an .xls workbook: records of an id
// and a length, CONTINUE records that carry a long record on, and the byte and UTF-16
// strings inside them, decoded to UTF-8. Every length read from the stream is checked
// against what is left of it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace etp::biff {

using Bytes = std::span<const std::uint8_t>;

enum RecordId : std::uint16_t {
    kBof2 = 0x0009, kBof3 = 0x0209, kBof4 = 0x0409, kBof = 0x0809,
    kEof = 0x000A,
    kContinue = 0x003C,
};

inline bool IsBof(std::uint16_t id) { return id == kBof || id == kBof4 || id == kBof3 || id == kBof2; }

// Little-endian fields; the caller has checked that they lie inside the bytes.
inline std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
inline std::uint32_t U32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
double F64(const std::uint8_t* p);

struct Record {
    std::uint16_t id = 0;
    Bytes data;
};

class RecordReader {
public:
    RecordReader(Bytes stream, std::size_t offset);
    // The next record; false at the end of the stream, and also when a header or a body
    // runs past it, which truncated() then tells.
    bool next(Record& record);
    bool truncated() const { return truncated_; }
    std::size_t offset() const { return offset_; }
    // The record and every CONTINUE record right after it.
    std::vector<Bytes> withContinues(const Record& record);

private:
    Bytes stream_;
    std::size_t offset_;
    bool truncated_ = false;
};

// The records of one substream (the globals, a worksheet), from its BOF record to the
// EOF record that matches it, without those of substreams inside it (embedded charts).
class SubstreamReader {
public:
    SubstreamReader(Bytes stream, std::size_t offset);
    // The BOF record the substream starts with; false when there is none.
    bool started(Record& bof) const;
    // The next record of the substream; false at its EOF record and at the end of the stream.
    bool next(Record& record);
    // The EOF record was reached: the substream is whole.
    bool complete() const { return depth_ == 0; }
    // Where the next record starts: past the EOF record once the substream is complete.
    std::size_t offset() const { return reader_.offset(); }
    std::vector<Bytes> withContinues(const Record& record) { return reader_.withContinues(record); }

private:
    RecordReader reader_;
    Record bof_;
    int depth_ = -1; // -1: no BOF record
};

// Converts the byte strings of BIFF2-5 from the workbook's code page to UTF-8.
class ByteDecoder {
public:
    virtual ~ByteDecoder() = default;
    virtual void append(std::string& out, Bytes bytes) const = 0;
};

// Bytes as the characters U+0000..U+00FF.
class Latin1Decoder final : public ByteDecoder {
public:
    void append(std::string& out, Bytes bytes) const override;
};

// Reads fields across a record and its CONTINUE records.
class Cursor {
public:
    explicit Cursor(Bytes bytes) : segments_{bytes} {}
    explicit Cursor(std::vector<Bytes> segments) : segments_(std::move(segments)) {}

    bool u8(std::uint8_t& value);
    bool u16(std::uint16_t& value);
    bool u32(std::uint32_t& value);
    bool skip(std::size_t count);
    // A BIFF8 string: a character count of lengthBytes (1 or 2) bytes, option flags,
    // then one-byte (Latin-1) or two-byte (UTF-16) characters, rich-text runs and
    // phonetic data. Where the characters go on in a CONTINUE record, that record
    // starts with new option flags.
    bool unicodeString(int lengthBytes, std::string& out);
    // A BIFF2-5 string: a count of lengthBytes bytes, then the bytes in the code page.
    bool byteString(int lengthBytes, const ByteDecoder& decoder, std::string& out);
    bool atEnd() const;

private:
    std::size_t available();
    bool count(int lengthBytes, std::size_t& value);

    std::vector<Bytes> segments_;
    std::size_t segment_ = 0;
    std::size_t offset_ = 0;
};

// Appends one-byte characters (U+0000..U+00FF) as UTF-8.
void AppendLatin1(std::string& out, Bytes bytes);

} // namespace etp::biff
