// What Edit > Undo costs Compute on a station of 32,000 and 100,000 days: recording what
// Compute with eleven methods changed (a copy of the sheet before, the changed
// columns after), and undoing and redoing it. Compute alone: StageComputeAllMethods.
//   build/bin/etp_bench --benchmark_filter=Undo
#include "BenchStation.h"
#include "workbench/MethodCommands.h"
#include "workbench/SheetEdit.h"

namespace {

using namespace etp;
using namespace etp::bench;

constexpr DateStyle kStyle = DateStyle::TwoDigitFrom30;

// Eleven result columns (Thornthwaite would tell of the series' short last year).
const std::vector<const char*> kEleven = {"PenFAO", "PFAOnocorr", "PenMon",     "P-T",   "PFAOrad", "PFAOsun",
                                          "Hargr.", "Turc",       "P-T extrad", "Bl-Cr", "PotRad"};

// Before and after one Compute: the time the person waits beyond Compute itself.
void UndoRecordCompute(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const Workbench computed = PreparedWorkbench(rows, kStyle, kEleven);
    Workbench workbench = PreparedWorkbench(rows, kStyle, {});
    const MeteoSheet imported = workbench.sheet;
    workbench.methods = computed.methods;
    BenchUserInterface ui({}, {}, true);
    for (auto _ : state) {
        workbench.sheet = imported;
        auto start = std::chrono::steady_clock::now();
        SheetEdit edit(workbench);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (ComputeResults(workbench, ui) != ComputeOutcome::Completed) state.SkipWithError("Compute failed");
        start = std::chrono::steady_clock::now();
        if (!edit.finish(workbench)) state.SkipWithError("no change recorded");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(UndoRecordCompute)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond);

// Edit > Undo, then Edit > Redo, of that Compute.
void UndoAndRedoCompute(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const Workbench computed = PreparedWorkbench(rows, kStyle, kEleven);
    Workbench workbench = PreparedWorkbench(rows, kStyle, {});
    workbench.methods = computed.methods;
    BenchUserInterface ui({}, {}, true);
    SheetEdit edit(workbench);
    if (ComputeResults(workbench, ui) != ComputeOutcome::Completed || !edit.finish(workbench))
        state.SkipWithError("Compute failed");
    for (auto _ : state) {
        edit.undo(workbench);
        edit.redo(workbench);
    }
}
BENCHMARK(UndoAndRedoCompute)->Arg(kRows32k)->Arg(kRows100k)->Unit(benchmark::kMillisecond);

} // namespace
