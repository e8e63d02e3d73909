// libFuzzer target: both MACRO files over a fuzzed station sheet. Unless refused, each
// file has one line per day of the series, shaped 'yymmdd', two blanks, the value, four
// blanks, CR LF, and the value reads back as the cell's number to one decimal.
//   fuzz/run.sh macro [SECONDS]
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "models/MacroWriter.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    etp::MeteoSheet sheet;
    etp::fuzz::FillStationSheet(sheet, in, 800);
    const auto columns = etp::fuzz::StationColumns();
    const int last = etp::LastDataRow(sheet, columns);
    // The rain column, and the maximum temperature standing in for an ET column.
    for (const int column : {9, 3}) {
        const auto text = etp::fuzz::WriterText([&] { return etp::MacroDailyText(sheet, columns, column); });
        if (!text) continue;
        const auto lines = etp::fuzz::Lines(*text, etp::kLineEnd);
        if (static_cast<int>(lines.size()) != std::max(last - 1, 0)) etp::fuzz::Fail("one line per day");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto line = lines[i];
            if (line.size() < 19 || line[0] != '\'' || line.substr(line.size() - 4) != "    ")
                etp::fuzz::Fail("line shape", std::string(line));
            const auto gap = line.find("'  ", 1);
            if (gap == std::string_view::npos) etp::fuzz::Fail("no date", std::string(line));
            const double written = etp::NumericValue(line.substr(gap + 3));
            const double value = etp::NumericValue(sheet.cellText(static_cast<int>(i) + 2, column));
            if (std::fabs(written - value) > 0.05 + std::fabs(value) * 1e-12)
                etp::fuzz::Fail("value", std::string(line) + " for " + std::string(sheet.cellText(static_cast<int>(i) + 2, column)));
        }
    }
    return 0;
}
