// libFuzzer target: both LEACHM files over a fuzzed station sheet with an ET column.
// Unless refused, the rain file has one line per rainy day and ends with their count,
// and the weekly file has one CR LF line per week.
//   fuzz/run.sh leachm [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "models/LeachmWriter.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto dates = in.ConsumeBool() ? etp::LeachmDateFormat::Ddmmaa : etp::LeachmDateFormat::DayNumber;
    std::array<double, 3> nitrogen{0, 0.1, 1};
    if (in.ConsumeIntegralInRange(0, 7) == 0)
        for (double& n : nitrogen) n = in.ConsumeFloatingPoint<double>();
    etp::MeteoSheet sheet;
    const int lastRow = etp::fuzz::FillStationSheet(sheet, in, 800);
    // An ET column after the inputs, as Compute leaves it.
    sheet.setCellText(1, 10, "PenMon");
    for (int r = 2; r <= lastRow; ++r) sheet.setCellText(r, 10, etp::fuzz::NumberCell(in, 0, 12));
    const auto columns = etp::fuzz::StationColumns();
    const int last = etp::LastDataRow(sheet, columns);

    if (const auto rain = etp::fuzz::WriterText([&] { return etp::LeachmRainText(sheet, columns, 9, dates, nitrogen); })) {
        const auto lines = etp::fuzz::Lines(*rain, etp::kLineEnd);
        int rainy = 0;
        for (int r = 2; r <= last; ++r) rainy += etp::NumericValue(sheet.cellText(r, 9)) > 0;
        if (lines.empty() || static_cast<int>(lines.size()) != rainy + 1) etp::fuzz::Fail("one line per rainy day");
        const std::string count = "THERE ARE  " + std::to_string(rainy) + " RAINY DAYS";
        if (lines.back() != count) etp::fuzz::Fail("count line", std::string(lines.back()));
    }
    if (const auto weekly = etp::fuzz::WriterText([&] { return etp::LeachmEtpText(sheet, columns, 10); })) {
        const auto lines = etp::fuzz::Lines(*weekly, etp::kLineEnd);
        if (static_cast<int>(lines.size()) > etp::kLeachmMaxWeeks) etp::fuzz::Fail("more weeks than the file takes");
    }
    return 0;
}
