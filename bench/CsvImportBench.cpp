// The same 32,000-day station read into the sheet as TAB text and as "," CSV (the TAB
// file with every TAB made a comma): the CSV reader should stay within 20 % of the TAB one.
//   build/bin/etp_bench --benchmark_filter=TextImport
#include <algorithm>
#include <chrono>
#include <memory>

#include "BenchStation.h"
#include "import/TextImport.h"

namespace {

using namespace etp;
using namespace etp::bench;

// Four-digit years, so that the dates hold no character CSV would treat specially.
constexpr DateStyle kStyle = DateStyle::FourDigitFrom1900;

// ReadTextLines into a new sheet each run; the sheet's release is not timed.
void ReadIntoNewSheets(benchmark::State& state, const std::string& bytes)
{
    for (auto _ : state) {
        auto sheet = std::make_unique<MeteoSheet>();
        const auto begin = std::chrono::steady_clock::now();
        const TextImportReport report = ReadTextLines(*sheet, bytes);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        if (report.lines != kRows32k + 1) state.SkipWithError("not every line was read");
        benchmark::DoNotOptimize(sheet->lastNonEmptyRow());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void TextImportTab(benchmark::State& state) { ReadIntoNewSheets(state, CachedStationText(kRows32k, kStyle)); }
BENCHMARK(TextImportTab)->UseManualTime()->Unit(benchmark::kMillisecond);

void TextImportCommaCsv(benchmark::State& state)
{
    std::string csv = CachedStationText(kRows32k, kStyle);
    std::replace(csv.begin(), csv.end(), '\t', ',');
    ReadIntoNewSheets(state, csv);
}
BENCHMARK(TextImportCommaCsv)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
