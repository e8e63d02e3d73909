// libFuzzer target: a whole Compute over a fuzzed station sheet, with fuzzed units,
// station and methods. The input columns must come through untouched, a refusal must
// leave the whole sheet as it was, a completed run must put each chosen method's label
// after the titles and a "##.##" text or nothing in each of its cells, and the same run
// on a copy must give the same sheet.
//   fuzz/run.sh compute [SECONDS]
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "et/Compute.h"
#include "et/MethodTable.h"
#include "et/OtherMethods.h"
#include "sheet/SheetQueries.h"

namespace {

bool IsResultText(std::string_view text)
{
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    const auto point = text.find('.');
    const auto integer = text.substr(0, point);
    const auto fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) { return part.find_first_not_of("0123456789") == std::string_view::npos; };
    return !text.empty() && digits(integer) && digits(fraction) && fraction.size() <= 2 &&
           (point != std::string_view::npos || !integer.empty());
}

std::string Choose(FuzzedDataProvider& in, std::initializer_list<const char*> usual)
{
    const auto pick = in.ConsumeIntegralInRange<std::size_t>(0, usual.size());
    return pick < usual.size() ? std::string(usual.begin()[pick]) : in.ConsumeRandomLengthString(10);
}

void ExpectSameCells(const etp::MeteoSheet& a, const etp::MeteoSheet& b, int lastColumn, const char* what)
{
    const int rows = std::max(a.lastNonEmptyRow(), b.lastNonEmptyRow());
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= lastColumn; ++c)
            if (a.cellText(r, c) != b.cellText(r, c)) etp::fuzz::Fail(what, std::to_string(r) + "," + std::to_string(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    etp::UnitSelection units;
    units.index = {in.ConsumeIntegralInRange(0, 3), in.ConsumeIntegralInRange(0, 1), in.ConsumeIntegralInRange(0, 1),
                   in.ConsumeIntegralInRange(0, 1)};
    etp::StationParameters station;
    station.latitude = Choose(in, {"44.5", "-33.9", "0", "66.6", "90", "-90", "78.2"});
    station.altitude = Choose(in, {"120", "0", "2500", "-30"});
    station.windHeight = Choose(in, {"2", "10", "0.5", "0"});
    etp::MethodSelection methods;
    const auto mask = in.ConsumeIntegral<std::uint16_t>();
    for (const etp::MethodInfo& info : etp::kMethods)
        methods.checked[info.method] = (mask >> etp::Index(info.method) & 1u) != 0;
    etp::HargreavesCoefficients hargreaves;
    if (in.ConsumeIntegralInRange(0, 7) == 0) {
        hargreaves.a = in.ConsumeFloatingPoint<double>();
        hargreaves.b = in.ConsumeFloatingPoint<double>();
        hargreaves.c = in.ConsumeFloatingPoint<double>();
    }
    etp::ColumnMap columns = etp::fuzz::StationColumns();
    // Some runs without wind, sunshine or humidity, as the person may mark them.
    const auto absent = in.ConsumeIntegral<std::uint8_t>();
    for (const etp::ColumnBox box : etp::kAllColumnBoxes)
        if (box >= etp::ColumnBox::RHmin && (absent >> etp::Index(box) & 1u)) columns.text[box] = "0";

    etp::MeteoSheet sheet;
    etp::fuzz::FillStationSheet(sheet, in, 400);
    const etp::MeteoSheet before = sheet;
    const int used = etp::UsedColumnCount(sheet);
    double previousMean = 0;
    const etp::StationValues values = etp::ReadStationValues(station);
    const etp::ComputeSettings settings{columns, units, values, methods, hargreaves};
    const etp::Outcome outcome = etp::Compute(sheet, settings, previousMean);

    ExpectSameCells(before, sheet, used, "an input cell changed at");
    if (outcome.kind == etp::Outcome::Kind::Refused)
        ExpectSameCells(before, sheet, etp::MeteoSheet::kMaxColumns, "a refused Compute changed the sheet at");
    if (outcome.done()) {
        int column = used;
        for (const etp::MethodInfo& info : etp::kMethods) {
            if (!methods.checked[info.method]) continue;
            ++column;
            if (sheet.cellText(1, column) != info.label) etp::fuzz::Fail("result label");
            for (int r = 2; r <= sheet.lastNonEmptyRow(); ++r) {
                const auto text = sheet.cellText(r, column);
                if (!text.empty() && !IsResultText(text)) etp::fuzz::Fail("result text", std::string(text));
            }
        }
    }

    etp::MeteoSheet again = before;
    double previousAgain = 0;
    const etp::Outcome second = etp::Compute(again, settings, previousAgain);
    if (second.kind != outcome.kind || second.row != outcome.row || second.message != outcome.message ||
        previousAgain != previousMean)
        etp::fuzz::Fail("a second run ended otherwise");
    ExpectSameCells(sheet, again, etp::MeteoSheet::kMaxColumns, "a second run differs at");
    return 0;
}
