// The same 32,000-day station read into the sheet as TAB text and as "," CSV (the TAB
// file with every TAB made a comma): the CSV reader should stay within 20 % of the TAB one.
// Each pair is timed alone (ReadTextLines) and through File > Open, which for CSV first
// looks for a quote never closed (TextImportProblem). Compare the fastest runs (min_ms, and
// the summary at the end): other load on the machine moves the means.
//
// Each run fills a new sheet, so every figure also holds the first touch of its pages
// (some 2.5 MB), more or less by what ran before in the process.
//   build/bin/etp_bench --benchmark_filter=Text
#include <algorithm>
#include <fstream>
#include <memory>

#include "BenchStation.h"
#include "import/TextImport.h"

namespace {

using namespace etp;
using namespace etp::bench;

// The dates of StageTextImport, so that TextOpenTab and StageTextImport/32000 agree.
constexpr DateStyle kStyle = DateStyle::TwoDigitFrom30;

const std::filesystem::path& TabFile() { return StationFile(kRows32k, kStyle); }

const std::filesystem::path& CommaCsvFile()
{
    static const std::filesystem::path file = [] {
        auto path = TabFile();
        path.replace_extension(".csv");
        std::string csv = CachedStationText(kRows32k, kStyle);
        std::replace(csv.begin(), csv.end(), '\t', ',');
        std::ofstream(path, std::ios::binary) << csv;
        return path;
    }();
    return file;
}

// ReadTextLines of the file's bytes (read once) into a new sheet each run; the sheet's
// release is not timed.
void ReadIntoNewSheets(benchmark::State& state, const std::filesystem::path& file, const char* stage)
{
    std::string bytes;
    ReadBytes(file, bytes);
    StageTimer timer(state, stage, ReadSplitFloorSeconds(file), "read+split");
    for (auto _ : state) {
        auto sheet = std::make_unique<MeteoSheet>();
        timer.start();
        const TextImportReport report = ReadTextLines(*sheet, bytes);
        timer.stop();
        if (report.lines != kRows32k + 1) state.SkipWithError("not every line was read");
        benchmark::DoNotOptimize(sheet->lastNonEmptyRow());
    }
}

void TextImportTab(benchmark::State& state) { ReadIntoNewSheets(state, TabFile(), "ReadTextLines, TAB"); }
BENCHMARK(TextImportTab)->Arg(kRows32k)->UseManualTime()->Unit(benchmark::kMillisecond);

void TextImportCommaCsv(benchmark::State& state) { ReadIntoNewSheets(state, CommaCsvFile(), "ReadTextLines, \",\" CSV"); }
BENCHMARK(TextImportCommaCsv)->Arg(kRows32k)->UseManualTime()->Unit(benchmark::kMillisecond);

// File > Open of the file into a new workbench each run.
void OpenIntoNewWorkbenches(benchmark::State& state, const std::filesystem::path& file, const char* stage)
{
    StageTimer timer(state, stage, ReadSplitFloorSeconds(file), "read+split");
    bench::OpenIntoNewWorkbenches(state, timer, file, kRows32k + 1);
}

void TextOpenTab(benchmark::State& state) { OpenIntoNewWorkbenches(state, TabFile(), "File > Open, TAB"); }
BENCHMARK(TextOpenTab)->Arg(kRows32k)->UseManualTime()->Unit(benchmark::kMillisecond);

void TextOpenCommaCsv(benchmark::State& state) { OpenIntoNewWorkbenches(state, CommaCsvFile(), "File > Open, \",\" CSV"); }
BENCHMARK(TextOpenCommaCsv)->Arg(kRows32k)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
