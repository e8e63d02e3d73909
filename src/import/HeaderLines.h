#pragma once
// Lines some sources write before the titles of a text file: a NASA POWER header block,
// from "-BEGIN HEADER-" to "-END HEADER-", and comment lines starting with "#". They are
// set aside rather than put into the sheet; the station's location they name is kept.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace etp {

struct HeaderLines {
    std::size_t length = 0; // bytes before the title line
    int lines = 0;
    // The numbers as written after "Latitude" and after "Elevation ... =" ("52.1", "1.9").
    std::optional<std::string> latitude;
    std::optional<std::string> elevation; // [m]
};

// The header at the start of `text` (after any byte-order mark). A block that never
// reaches "-END HEADER-" is no header: its lines stay in the file.
HeaderLines ReadHeaderLines(std::string_view text);

} // namespace etp
