#pragma once
// Zip files for the tests of the .xlsx and .ods readers: parts stored or deflated with
// zlib, a local header for each and the central directory, nothing more (no zip64, no
// encryption). A part may be written from a repeated chunk, never held whole, for the
// zip bombs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace etp::testing {

class ZipBuilder {
public:
    enum class Method : std::uint16_t { Stored = 0, Deflated = 8 };

    ZipBuilder& add(std::string_view name, std::string_view data, Method method = Method::Deflated);
    // A deflated part: head, then chunk `count` times, then tail.
    ZipBuilder& addRepeated(std::string_view name, std::string_view head, std::string_view chunk, std::uint64_t count,
                            std::string_view tail);
    // The zip file's bytes.
    std::string bytes() const;

private:
    struct Entry {
        std::string name;
        Method method;
        std::uint32_t crc, size;
        std::string data; // as stored
    };
    std::vector<Entry> entries_;
};

} // namespace etp::testing
