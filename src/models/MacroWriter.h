#pragma once
// The two daily weather files of MACRO, rain (*.rn) and ET (*.etp): one line for every
// day of the series, dry days included, dated 'yymmdd'.
#include <string>

#include "sheet/MeteoSheet.h"
#include "sheet/ColumnMap.h"

namespace etp {

// Which of the two files a text is for: an empty rain cell is a dry day, an empty ET
// cell a day without a value.
enum class MacroFile { Rain, Etp };

// One line per day: 'yymmdd', two blanks, the value of `valueColumn` through "000.0"
// with its leading zeros blanked (a negative value keeps them: -001.5), four blanks.
std::string MacroDailyText(const MeteoSheet& sheet, const ColumnMap& columns, int valueColumn, MacroFile file);

} // namespace etp
