// The same 32,000-day station read into the sheet as TAB text and as "," CSV (the TAB
// file with every TAB made a comma): the CSV reader should stay within 20 % of the TAB one.
// Each run fills a new sheet, and glibc gives each of its growing columns fresh pages from
// the system, so both figures also hold the first touch of some 2.5 MB (about 8 ms on the
// development machine). To see the readers alone, keep those pages in the heap:
//   GLIBC_TUNABLES=glibc.malloc.mmap_threshold=67108864 build/bin/etp_bench --benchmark_filter=Text
#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>

#include "BenchStation.h"
#include "import/TextImport.h"
#include "workbench/FileCommands.h"

namespace {

using namespace etp;
using namespace etp::bench;

// The dates of StageTextImport, so that TextOpenTab and StageTextImport/32000 agree.
constexpr DateStyle kStyle = DateStyle::TwoDigitFrom30;

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

// File > Open of the same two texts as files, which for CSV adds the check for a quote
// never closed (TextImportProblem) before the import.
void OpenIntoNewWorkbenches(benchmark::State& state, const std::filesystem::path& file)
{
    BenchUserInterface ui(file.string());
    for (auto _ : state) {
        auto workbench = std::make_unique<Workbench>();
        const auto begin = std::chrono::steady_clock::now();
        const bool opened = OpenFile(*workbench, ui);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
        if (!opened || workbench->sheet.lastNonEmptyRow() != kRows32k + 1) state.SkipWithError("the import failed");
    }
}

void TextOpenTab(benchmark::State& state) { OpenIntoNewWorkbenches(state, StationFile(kRows32k, kStyle)); }
BENCHMARK(TextOpenTab)->UseManualTime()->Unit(benchmark::kMillisecond);

void TextOpenCommaCsv(benchmark::State& state)
{
    static const auto file = [] {
        auto path = StationFile(kRows32k, kStyle);
        path.replace_extension(".csv");
        std::string csv = CachedStationText(kRows32k, kStyle);
        std::replace(csv.begin(), csv.end(), '\t', ',');
        std::ofstream(path, std::ios::binary) << csv;
        return path;
    }();
    OpenIntoNewWorkbenches(state, file);
}
BENCHMARK(TextOpenCommaCsv)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
