// File > Open of the 33,000-day workbook converted by Calc to .xlsx and .ods
// (bench/workbooks.sh writes build/data/station33k.xlsx and .ods), beside the .xls
// benchmark; bench/workbooks.sh also times the same files against openpyxl.
//   build/bin/etp_bench --benchmark_filter='Xlsx|Ods'
#include <filesystem>
#include <memory>

#include "BenchStation.h"
#include "workbench/FileCommands.h"
#include "workbench/Workbench.h"

namespace {

using namespace etp;
using namespace etp::bench;

// File > Open in a new workbench each run, as the first open of a program just started;
// the workbench's release is not timed.
void OpenIntoNewWorkbenches(benchmark::State& state, const char* path, const char* stage)
{
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("no converted workbook: run bench/workbooks.sh");
        return;
    }
    BenchUserInterface ui(path, {}, false);
    StageTimer timer(state, stage, ReadFloorSeconds(path), "read");
    for (auto _ : state) {
        auto workbench = std::make_unique<Workbench>();
        timer.start();
        const bool opened = OpenFile(*workbench, ui);
        timer.stop();
        if (!opened || workbench->sheet.lastNonEmptyRow() != 33001) state.SkipWithError("the import failed");
        benchmark::DoNotOptimize(workbench->sheet.lastNonEmptyRow());
    }
}

void XlsxOpenStation33k(benchmark::State& state)
{
    OpenIntoNewWorkbenches(state, ETP_STATION33K_XLSX, "workbook import (.xlsx, 33,000 days)");
}
BENCHMARK(XlsxOpenStation33k)->Arg(33000)->UseManualTime()->Unit(benchmark::kMillisecond);

void OdsOpenStation33k(benchmark::State& state)
{
    OpenIntoNewWorkbenches(state, ETP_STATION33K_ODS, "workbook import (.ods, 33,000 days)");
}
BENCHMARK(OdsOpenStation33k)->Arg(33000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
