// The stages of one run on a generated station of 32,000 and 100,000 days: File > Open
// of the text file, auto finding, Compute with every method, the result
// formatting alone, and saving the sheet. Each stage is also given as a multiple of
// its floor (counter x_floor; the summary at the end lists them all).
//   build/bin/etp_bench --benchmark_filter=Stage
#include <filesystem>

#include "BenchStation.h"
#include "et/ResultFormat.h"
#include "workbench/SettingCommands.h"
#include "workbench/MethodCommands.h"
#include "workbench/FileCommands.h"

namespace {

using namespace etp;
using namespace etp::bench;

constexpr DateStyle kStyle = DateStyle::TwoDigitFrom30;

std::string Rows(const benchmark::State& state) { return std::to_string(state.range(0)); }

// Bytes of all data cell texts; what the sheet holds beyond them shows in etp's peak
// memory (bench/pipeline.sh).
std::size_t TextBytes(const MeteoSheet& sheet)
{
    std::size_t bytes = 0;
    for (int r = 1; r <= sheet.lastNonEmptyRow(); ++r)
        for (int c = 1; c <= sheet.lastNonEmptyColumn(r); ++c) bytes += sheet.cellText(r, c).size();
    return bytes;
}

// File > Open of the text file into a new workbench: read, split, fill the sheet.
void StageTextImport(benchmark::State& state)
{
    const auto& file = StationFile(static_cast<int>(state.range(0)), kStyle);
    StageTimer timer(state, "text import (File > Open)", ReadSplitFloorSeconds(file), "read+split");
    BenchUserInterface ui(file.string());
    for (auto _ : state) {
        auto workbench = std::make_unique<Workbench>();
        timer.start();
        if (!OpenFile(*workbench, ui)) state.SkipWithError("the import failed");
        timer.stop();
        benchmark::DoNotOptimize(workbench->sheet.lastNonEmptyRow());
    }
}
BENCHMARK(StageTextImport)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond);

// "Try auto finding" on the imported sheet.
void StageAutoFind(benchmark::State& state)
{
    const auto& file = StationFile(static_cast<int>(state.range(0)), kStyle);
    Workbench workbench = PreparedWorkbench(static_cast<int>(state.range(0)), kStyle, {});
    StageTimer timer(state, "auto finding", ReadSplitFloorSeconds(file), "read+split");
    BenchUserInterface ui;
    for (auto _ : state) {
        timer.start();
        TryAutoFinding(workbench, ui);
        timer.stop();
    }
}
BENCHMARK(StageAutoFind)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond);

// Compute with every method; it appends a column for each, so every run starts from
// a copy of the imported sheet (made outside the timing).
void StageComputeAllMethods(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const Workbench computed = PreparedWorkbench(rows, kStyle, AllMethods());
    Workbench workbench = PreparedWorkbench(rows, kStyle, {});
    const MeteoSheet imported = workbench.sheet;
    workbench.methods = computed.methods;
    StageTimer timer(state, "Compute, every method", ToCharsFloorSeconds(ResultValues(computed.sheet, 10)),
                     "to_chars of the results");
    BenchUserInterface ui; // its closing note names the partial last year of Thornthwaite
    for (auto _ : state) {
        workbench.sheet = imported;
        timer.start();
        if (ComputeResults(workbench, ui) != ComputeOutcome::Completed) state.SkipWithError("Compute failed");
        timer.stop();
    }
    state.counters["text_MB"] = static_cast<double>(TextBytes(workbench.sheet)) / 1e6;
}
BENCHMARK(StageComputeAllMethods)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond);

// The "##.##" formatting of every result Compute writes, alone, against std::to_chars
// of the same numbers.
void StageResultFormatting(benchmark::State& state)
{
    const std::vector<double> values =
        ResultValues(PreparedWorkbench(static_cast<int>(state.range(0)), kStyle, AllMethods()).sheet, 10);
    StageTimer timer(state, "result formatting (##.##)", ToCharsFloorSeconds(values), "to_chars of the results");
    std::string out;
    for (auto _ : state) {
        timer.start();
        out.resize(values.size() * 24);
        char* p = out.data();
        for (const double v : values) {
            p += FormatResult(v, p);
            *p++ = '\t';
        }
        out.resize(static_cast<std::size_t>(p - out.data()));
        timer.stop();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["numbers"] = static_cast<double>(values.size());
}
BENCHMARK(StageResultFormatting)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond);

// File > Save as of the computed sheet (21 columns), written atomically. Its floor is
// the other direction: reading the saved file and splitting it.
void StageSaveSheet(benchmark::State& state)
{
    Workbench workbench = PreparedWorkbench(static_cast<int>(state.range(0)), kStyle, AllMethods());
    const auto folder = std::filesystem::temp_directory_path() / "etp-bench";
    const auto path = (folder / ("saved-" + Rows(state) + ".txt")).string();
    BenchUserInterface ui({}, {}, true);
    if (!SaveSheet(workbench, path, ui)) state.SkipWithError("the sheet was not saved");
    StageTimer timer(state, "save sheet (TAB text)", ReadSplitFloorSeconds(path), "read+split of the saved file");
    for (auto _ : state) {
        timer.start();
        if (!SaveSheet(workbench, path, ui)) state.SkipWithError("the sheet was not saved");
        timer.stop();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(StageSaveSheet)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond);

// The floors on their own, for the record.
void FloorReadSplit(benchmark::State& state)
{
    const auto& file = StationFile(static_cast<int>(state.range(0)), kStyle);
    std::string bytes;
    std::vector<std::string_view> fields;
    for (auto _ : state) benchmark::DoNotOptimize(ReadAndSplit(file, bytes, fields));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["fields"] = static_cast<double>(fields.size());
}
BENCHMARK(FloorReadSplit)->Arg(kRows32k)->Arg(kRows100k)->Unit(benchmark::kMillisecond);

void FloorToChars(benchmark::State& state)
{
    const std::vector<double> values =
        ResultValues(PreparedWorkbench(static_cast<int>(state.range(0)), kStyle, AllMethods()).sheet, 10);
    std::string out;
    for (auto _ : state) benchmark::DoNotOptimize(FormatWithToChars(values, out));
    state.counters["numbers"] = static_cast<double>(values.size());
}
BENCHMARK(FloorToChars)->Arg(kRows32k)->Arg(kRows100k)->Unit(benchmark::kMillisecond);

} // namespace
