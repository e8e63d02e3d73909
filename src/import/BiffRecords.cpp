#include "import/BiffRecords.h"

#include <algorithm>
#include <cstring>

namespace etp::biff {

namespace {

void AppendCodePoint(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr std::uint32_t kReplacement = 0xFFFD;

// UTF-16 code units to UTF-8; a surrogate pair may be split between two calls.
class Utf16Decoder {
public:
    explicit Utf16Decoder(std::string& out) : out_(out) {}
    ~Utf16Decoder()
    {
        if (high_) AppendCodePoint(out_, kReplacement);
    }
    Utf16Decoder(const Utf16Decoder&) = delete;
    Utf16Decoder& operator=(const Utf16Decoder&) = delete;

    void unit(std::uint16_t u)
    {
        if (high_) {
            if (u >= 0xDC00 && u <= 0xDFFF) {
                AppendCodePoint(out_, 0x10000 + ((high_ - 0xD800u) << 10) + (u - 0xDC00u));
                high_ = 0;
                return;
            }
            AppendCodePoint(out_, kReplacement);
            high_ = 0;
        }
        if (u >= 0xD800 && u <= 0xDBFF)
            high_ = u;
        else
            AppendCodePoint(out_, u >= 0xDC00 && u <= 0xDFFF ? kReplacement : u);
    }

private:
    std::string& out_;
    std::uint16_t high_ = 0;
};

} // namespace

double F64(const std::uint8_t* p)
{
    const std::uint64_t bits = U32(p) | static_cast<std::uint64_t>(U32(p + 4)) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void AppendLatin1(std::string& out, Bytes bytes)
{
    for (const std::uint8_t b : bytes) AppendCodePoint(out, b);
}

SubstreamReader::SubstreamReader(Bytes stream, std::size_t offset) : reader_(stream, offset)
{
    if (reader_.next(bof_) && IsBof(bof_.id)) depth_ = 1;
}

bool SubstreamReader::started(Record& bof) const
{
    if (depth_ < 0) return false;
    bof = bof_;
    return true;
}

bool SubstreamReader::next(Record& record)
{
    while (depth_ > 0 && reader_.next(record)) {
        if (IsBof(record.id))
            ++depth_;
        else if (record.id == kEof)
            --depth_;
        else if (depth_ == 1)
            return true;
    }
    return false;
}

void Latin1Decoder::append(std::string& out, Bytes bytes) const { AppendLatin1(out, bytes); }

RecordReader::RecordReader(Bytes stream, std::size_t offset) : stream_(stream), offset_(offset)
{
    if (offset_ > stream_.size()) {
        offset_ = stream_.size();
        truncated_ = true;
    }
}

bool RecordReader::next(Record& record)
{
    const std::size_t left = stream_.size() - offset_;
    if (left == 0) return false;
    if (left < 4) {
        truncated_ = true;
        offset_ = stream_.size();
        return false;
    }
    const std::uint8_t* header = stream_.data() + offset_;
    const std::size_t length = U16(header + 2);
    if (length > left - 4) {
        truncated_ = true;
        offset_ = stream_.size();
        return false;
    }
    record.id = U16(header);
    record.data = stream_.subspan(offset_ + 4, length);
    offset_ += 4 + length;
    return true;
}

std::vector<Bytes> RecordReader::withContinues(const Record& record)
{
    std::vector<Bytes> segments{record.data};
    while (stream_.size() - offset_ >= 4 && U16(stream_.data() + offset_) == kContinue) {
        Record more;
        if (!next(more)) break;
        segments.push_back(more.data);
    }
    return segments;
}

// Bytes left in the current segment, moving on past exhausted ones.
std::size_t Cursor::available()
{
    while (segment_ < segments_.size() && offset_ == segments_[segment_].size()) {
        ++segment_;
        offset_ = 0;
    }
    return segment_ < segments_.size() ? segments_[segment_].size() - offset_ : 0;
}

bool Cursor::atEnd() const
{
    for (std::size_t s = segment_; s < segments_.size(); ++s)
        if (segments_[s].size() > (s == segment_ ? offset_ : 0)) return false;
    return true;
}

bool Cursor::u8(std::uint8_t& value)
{
    if (available() == 0) return false;
    value = segments_[segment_][offset_++];
    return true;
}

// Fields may straddle a CONTINUE boundary, so they are read a byte at a time.
bool Cursor::u16(std::uint16_t& value)
{
    std::uint8_t lo = 0, hi = 0;
    if (!u8(lo) || !u8(hi)) return false;
    value = static_cast<std::uint16_t>(lo | hi << 8);
    return true;
}

bool Cursor::u32(std::uint32_t& value)
{
    std::uint16_t lo = 0, hi = 0;
    if (!u16(lo) || !u16(hi)) return false;
    value = lo | static_cast<std::uint32_t>(hi) << 16;
    return true;
}

bool Cursor::skip(std::size_t count)
{
    while (count > 0) {
        const std::size_t n = std::min(count, available());
        if (n == 0) return false;
        offset_ += n;
        count -= n;
    }
    return true;
}

bool Cursor::count(int lengthBytes, std::size_t& value)
{
    if (lengthBytes == 1) {
        std::uint8_t n = 0;
        if (!u8(n)) return false;
        value = n;
        return true;
    }
    std::uint16_t n = 0;
    if (!u16(n)) return false;
    value = n;
    return true;
}

bool Cursor::unicodeString(int lengthBytes, std::string& out)
{
    std::size_t characters = 0;
    std::uint8_t flags = 0;
    if (!count(lengthBytes, characters) || !u8(flags)) return false;
    std::uint16_t runs = 0;
    std::uint32_t phoneticBytes = 0;
    if ((flags & 0x08) && !u16(runs)) return false;
    if ((flags & 0x04) && !u32(phoneticBytes)) return false;
    out.reserve(out.size() + characters);
    Utf16Decoder utf16(out);
    bool wide = flags & 0x01;
    while (characters > 0) {
        if (segment_ >= segments_.size()) return false;
        const Bytes here = segments_[segment_];
        const std::size_t n = std::min(characters, wide ? (here.size() - offset_) / 2 : here.size() - offset_);
        const std::uint8_t* p = here.data() + offset_;
        if (wide) {
            for (std::size_t i = 0; i < n; ++i) utf16.unit(U16(p + 2 * i));
            offset_ += 2 * n;
        } else {
            AppendLatin1(out, Bytes(p, n));
            offset_ += n;
        }
        characters -= n;
        if (characters == 0) break;
        // The characters go on in the next CONTINUE record, which starts with new flags.
        if (offset_ != here.size()) return false; // half a character left
        ++segment_;
        offset_ = 0;
        std::uint8_t more = 0;
        if (!u8(more)) return false;
        wide = more & 0x01;
    }
    return skip(4 * std::size_t{runs}) && skip(phoneticBytes);
}

bool Cursor::byteString(int lengthBytes, const ByteDecoder& decoder, std::string& out)
{
    std::size_t length = 0;
    if (!count(lengthBytes, length)) return false;
    while (length > 0) {
        const std::size_t n = std::min(length, available());
        if (n == 0) return false;
        decoder.append(out, segments_[segment_].subspan(offset_, n));
        offset_ += n;
        length -= n;
    }
    return true;
}

} // namespace etp::biff
