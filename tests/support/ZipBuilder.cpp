#include "support/ZipBuilder.h"

#include <zlib.h>

#include <stdexcept>

namespace etp::testing {

namespace {

void Put16(std::string& out, unsigned v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Raw deflate (no zlib header), as zip files hold it, fed piece by piece.
class Deflater {
public:
    Deflater()
    {
        if (deflateInit2(&z_, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) throw std::runtime_error("deflateInit2");
    }
    ~Deflater() { deflateEnd(&z_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void feed(std::string_view data, bool last = false)
    {
        crc_ = crc32(crc_, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
        size_ += data.size();
        z_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z_.avail_in = static_cast<uInt>(data.size());
        char buffer[65536];
        int status = Z_OK;
        do {
            z_.next_out = reinterpret_cast<Bytef*>(buffer);
            z_.avail_out = sizeof buffer;
            status = deflate(&z_, last ? Z_FINISH : Z_NO_FLUSH);
            out_.append(buffer, sizeof buffer - z_.avail_out);
        } while (z_.avail_out == 0 || (last && status != Z_STREAM_END));
    }
    std::string& out() { return out_; }
    std::uint32_t crc() const { return static_cast<std::uint32_t>(crc_); }
    std::uint64_t size() const { return size_; }

private:
    z_stream z_{};
    uLong crc_ = crc32(0, nullptr, 0);
    std::uint64_t size_ = 0;
    std::string out_;
};

} // namespace

ZipBuilder& ZipBuilder::add(std::string_view name, std::string_view data, Method method)
{
    if (method == Method::Deflated) return addRepeated(name, data, {}, 0, {});
    const auto crc = static_cast<std::uint32_t>(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(data.data()),
                                                      static_cast<uInt>(data.size())));
    entries_.push_back({std::string(name), method, crc, static_cast<std::uint32_t>(data.size()), std::string(data)});
    return *this;
}

ZipBuilder& ZipBuilder::addRepeated(std::string_view name, std::string_view head, std::string_view chunk, std::uint64_t count,
                                    std::string_view tail)
{
    Deflater deflater;
    deflater.feed(head);
    for (std::uint64_t i = 0; i < count; ++i) deflater.feed(chunk);
    deflater.feed(tail, true);
    if (deflater.size() > UINT32_MAX) throw std::length_error("a part past 4 GiB needs zip64");
    entries_.push_back({std::string(name), Method::Deflated, deflater.crc(), static_cast<std::uint32_t>(deflater.size()),
                        std::move(deflater.out())});
    return *this;
}

std::string ZipBuilder::bytes() const
{
    std::string out, directory;
    for (const Entry& e : entries_) {
        const auto offset = static_cast<std::uint32_t>(out.size());
        const auto header = [&](std::string& to, bool central) {
            Put32(to, central ? 0x02014b50 : 0x04034b50);
            if (central) Put16(to, 20); // made by
            Put16(to, 20);              // needed to extract
            Put16(to, 0);               // flags
            Put16(to, static_cast<unsigned>(e.method));
            Put16(to, 0);      // time
            Put16(to, 0x21);   // date: 1 January 1980
            Put32(to, e.crc);
            Put32(to, static_cast<std::uint32_t>(e.data.size()));
            Put32(to, e.size);
            Put16(to, static_cast<unsigned>(e.name.size()));
            Put16(to, 0); // extra field
            if (central) {
                Put16(to, 0); // comment
                Put16(to, 0); // disk
                Put16(to, 0); // internal attributes
                Put32(to, 0); // external attributes
                Put32(to, offset);
            }
            to += e.name;
        };
        header(out, false);
        out += e.data;
        header(directory, true);
    }
    const auto directoryOffset = static_cast<std::uint32_t>(out.size());
    out += directory;
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<unsigned>(entries_.size()));
    Put16(out, static_cast<unsigned>(entries_.size()));
    Put32(out, static_cast<std::uint32_t>(directory.size()));
    Put32(out, directoryOffset);
    Put16(out, 0);
    return out;
}

} // namespace etp::testing
