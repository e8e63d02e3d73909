#pragma once
// Station files as text. Lines end with CR LF, CR or LF, in any mix, and a UTF-8
// byte-order mark before the first line is dropped. Fields are separated by TAB; a file
// whose first line holds no TAB but ";" or "," is read as CSV with that separator (the one
// the first line uses more, ";" on a tie): a field in double quotes may hold the
// separator, line breaks and doubled quotes. A TAB file's fields are kept byte for byte.
#include <optional>
#include <string>
#include <string_view>

#include "sheet/MeteoSheet.h"

namespace etp {

struct TextImportReport {
    int lines = 0;               // rows filled, row 1 onward
    int droppedFields = 0;       // non-empty fields beyond column 100
    int linesWithDroppedFields = 0;
    int decimalCommas = 0;       // numbers of a ";" file stored with a point for their comma
    int headerLines = 0;         // lines before the titles set aside (HeaderLines.h)
    char separator = '\t';       // of the fields: TAB, or ';' or ',' for a CSV file
    std::optional<std::string> latitude, elevation; // the station, as the header writes it
};

// Why the bytes cannot be imported, or nullopt: "it is empty", "it is not a text file" (a
// NUL byte in the first 64 KiB), or a CSV quote that is never closed, naming its line.
std::optional<std::string> TextImportProblem(std::string_view bytes);

// Puts every line (CSV record) after any header lines (HeaderLines.h) into one row from
// row 1 on, field k into column k. The
// sheet grows to hold every line and up to 100 columns; fields beyond column 100 are
// dropped and counted. In a ";" file a number written with a decimal comma ("12,5") is
// stored with a point ("12.5"). A quote never closed takes the rest of the file.
TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes);

} // namespace etp
