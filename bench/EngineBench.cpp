// Import, auto finding and Compute on a generated series of 32,000 days.
//   build/bin/etp_bench
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "base/UserInterface.h"
#include "et/Compute.h"
#include "sheet/AutoFind.h"
#include "sheet/TextImport.h"
#include "workbench/Commands.h"

namespace {

using namespace etp;

class SilentUserInterface final : public UserInterface {
public:
    void message(const std::string&, const std::string&, Icon) override {}
    Answer question(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
    std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&) override { return std::nullopt; }
    void beep() override {}

protected:
    void showPointer(Pointer) override {}
};

// Days from 1 January 1930 on, with seasonal values in the units auto finding guesses.
std::string SeriesText(int days)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string text = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n";
    int day = 1, month = 1, year = 1930;
    char line[160];
    for (int i = 0; i < days; ++i) {
        const double s = std::sin(6.283185 * (i % 365 - 105) / 365.0);
        std::snprintf(line, sizeof line, "%02d/%02d/%02d\t%.1f\t%.1f\t%d\t%d\t%.2f\t%.1f\t%.1f\t%.1f\r\n", day, month,
                      year % 100, 7 + 8 * s + (i % 7) * 0.3, 16 + 10 * s + (i % 5) * 0.4, 45 + i % 20, 85 + i % 15,
                      14 + 9 * s + (i % 9) * 0.5, 2 + (i % 11) * 0.3, 6 + 4 * s, (i % 4 == 0) ? 3.5 : 0.0);
        text += line;
        if (++day > kDays[month - 1]) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return text;
}

const std::string& Series32k()
{
    static const std::string text = SeriesText(32000);
    return text;
}

void CheckAllMethods(Workbench& workbench)
{
    workbench.methods.checked.fill(true);
    workbench.station = {"44.5", "120", "10"};
}

void BM_Import(benchmark::State& state)
{
    for (auto _ : state) {
        MeteoSheet sheet;
        benchmark::DoNotOptimize(ReadTextLines(sheet, Series32k()));
        state.counters["sheet_MB"] = static_cast<double>(sheet.memoryBytes()) / 1e6;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Series32k().size()));
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond);

void BM_AutoFind(benchmark::State& state)
{
    Workbench workbench;
    ReadTextLines(workbench.sheet, Series32k());
    SilentUserInterface ui;
    for (auto _ : state) TryAutoFinding(workbench, ui);
}
BENCHMARK(BM_AutoFind)->Unit(benchmark::kMicrosecond);

// Compute appends twelve columns per run, so each run starts from a fresh copy.
void BM_ComputeAllMethods(benchmark::State& state)
{
    Workbench workbench;
    SilentUserInterface ui;
    ReadTextLines(workbench.sheet, Series32k());
    TryAutoFinding(workbench, ui);
    CheckAllMethods(workbench);
    const MeteoSheet imported = workbench.sheet;
    for (auto _ : state) {
        state.PauseTiming();
        workbench.sheet = imported;
        state.ResumeTiming();
        if (ComputeResults(workbench, ui) != ComputeOutcome::Completed) state.SkipWithError("Compute failed");
    }
    state.counters["sheet_MB"] = static_cast<double>(workbench.sheet.memoryBytes()) / 1e6;
}
BENCHMARK(BM_ComputeAllMethods)->Unit(benchmark::kMillisecond);

// What the person waits for: open the file's text, find the columns, compute all twelve.
void BM_ImportAutoFindCompute(benchmark::State& state)
{
    SilentUserInterface ui;
    for (auto _ : state) {
        Workbench workbench;
        ReadTextLines(workbench.sheet, Series32k());
        TryAutoFinding(workbench, ui);
        CheckAllMethods(workbench);
        if (ComputeResults(workbench, ui) != ComputeOutcome::Completed) state.SkipWithError("Compute failed");
    }
}
BENCHMARK(BM_ImportAutoFindCompute)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
