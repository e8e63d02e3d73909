#pragma once
// Small sheets for tests, written as the text file the person would open.
#include <initializer_list>
#include <string>

#include "sheet/MeteoSheet.h"
#include "sheet/TextImport.h"

namespace etp::testing {

inline MeteoSheet SheetOf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    MeteoSheet sheet;
    ReadTextLines(sheet, text);
    return sheet;
}

inline const char* kStationTitles = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN";

} // namespace etp::testing
