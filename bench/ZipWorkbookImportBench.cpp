// File > Open of the 33,000-day workbook converted by Calc to .xlsx and .ods
// (bench/workbooks.sh writes build/data/station33k.xlsx and .ods), beside the .xls
// benchmark; bench/workbooks.sh also times the same files against openpyxl.
//   build/bin/etp_bench --benchmark_filter='Xlsx|Ods'
#include <filesystem>

#include "BenchStation.h"
#include "workbench/Workbench.h"

namespace {

using namespace etp;
using namespace etp::bench;

// File > Open of the converted workbook into a new workbench each run.
void OpenIntoNewWorkbenches(benchmark::State& state, const char* path, const char* stage)
{
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("no converted workbook: run bench/workbooks.sh");
        return;
    }
    StageTimer timer(state, stage, ReadFloorSeconds(path), "read");
    bench::OpenIntoNewWorkbenches(state, timer, path, 33001);
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
