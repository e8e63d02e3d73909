#pragma once
#include <string_view>

#include "sheet/MeteoSheet.h"

namespace etp {

struct TextImportReport {
    int lines = 0;               // rows filled, row 1 onward
    int droppedFields = 0;       // non-empty fields beyond column 100
    int linesWithDroppedFields = 0;
};

// Puts every line of a text file into one row from row 1 on, field k (split at TAB)
// into column k. Lines end at CR or CR LF; a lone LF stays inside its line. The sheet
// grows to hold every line and up to 100 columns; fields beyond column 100 are dropped
// and counted. Cell texts are kept byte for byte.
TextImportReport ReadTextLines(MeteoSheet& sheet, std::string_view bytes);

} // namespace etp
