// libFuzzer target: the CREAMS monthly table and both CREAMS files over a fuzzed
// station sheet. Unless refused, every line of both files ends with the explicit CR,
// the rain file's lines are 10 blanks and fields (20 blanks before each line end), and
// its fields are as many as the line-break rule places.
//   fuzz/run.sh creams [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "models/CreamsTable.h"
#include "models/CreamsWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    etp::UnitSelection units;
    units.index = {in.ConsumeIntegralInRange(0, 3), 0, 0, 0};
    etp::MeteoSheet sheet;
    etp::fuzz::FillStationSheet(sheet, in, 800);
    const auto columns = etp::fuzz::StationColumns();

    if (const auto monthly = etp::fuzz::WriterText([&] { return etp::CreamsMonthlyLines(sheet, columns, units); })) {
        if (monthly->size() > static_cast<std::size_t>(etp::kCreamsMaxMonths)) etp::fuzz::Fail("too many months");
        etp::CreamsTable table;
        table.fill(*monthly);
        const auto text = etp::CreamsTemperatureRadiationText(table);
        // The line-end check runs over the text with its last line end added when missing.
        const bool ended = text.empty() || text.ends_with(etp::kExplicitCrLineEnd);
        etp::fuzz::Lines(ended ? text : text + std::string(etp::kExplicitCrLineEnd), etp::kExplicitCrLineEnd);
    }

    const auto rain = etp::fuzz::WriterText([&] { return etp::CreamsRainText(sheet, columns, 9); });
    if (!rain) return 0;
    std::string_view rest = *rain;
    long fields = 0;
    for (;;) {
        if (!rest.starts_with("          ")) etp::fuzz::Fail("a rain line without its 10 blanks");
        rest.remove_prefix(10);
        const auto end = rest.find(etp::kExplicitCrLineEnd);
        std::string_view line = rest.substr(0, end);
        if (end != std::string_view::npos) {
            if (!line.ends_with("                    ")) etp::fuzz::Fail("a rain line without its 20 blanks");
            line.remove_suffix(20);
        }
        // Fields: "dd.dd" wide at least, one point each.
        long lineFields = 0;
        for (const char c : line) lineFields += c == '.';
        fields += lineFields;
        if (end == std::string_view::npos) break;
        if (lineFields == 0 || !etp::CreamsRainLineBreak(fields)) etp::fuzz::Fail("a line break the rule does not place");
        rest.remove_prefix(end + etp::kExplicitCrLineEnd.size());
    }
    return 0;
}
