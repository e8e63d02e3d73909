// File > Open of the 33,000-day workbook (tests/data/xls/station33k.xls.tar.xz, unpacked
// by the build) with this program's .xls reader, and FreeXL on the same file where it is
// installed. A BIFF8 worksheet holds at most 65,536 rows, so there is no 100,000-day
// workbook of one sheet to open; the 33,000-day one is what is measured.
//   build/bin/etp_bench --benchmark_filter=Xls
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "BenchStation.h"

#include "workbench/FileCommands.h"
#include "workbench/Workbench.h"

#ifdef ETP_HAVE_FREEXL
#include <freexl.h>
#endif

namespace {

const char* const kStation33k = ETP_STATION33K_XLS;

// Opens the one file it is given; there is nobody to ask.
class OpenOnly final : public etp::UserInterface {
public:
    void message(const std::string&, const std::string&, etp::Icon) override {}
    etp::Answer question(const std::string&, const std::string&, etp::Icon, etp::Buttons) override
    {
        return etp::Answer::Ok;
    }
    std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return kStation33k; }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&) override { return std::nullopt; }
    void beep() override {}

protected:
    void showPointer(etp::Pointer) override {}
};

bool Missing(benchmark::State& state)
{
    if (std::filesystem::exists(kStation33k)) return false;
    state.SkipWithError("no station33k.xls: build the station33k_xls target");
    return true;
}

// File > Open in a program just started: the workbook test, the sheet list, the import,
// the captions; every byte of the sheet is new memory.
void XlsOpenStation33kFirstTime(benchmark::State& state)
{
    if (Missing(state)) return;
    OpenOnly ui;
    for (auto _ : state) {
        state.PauseTiming();
        auto workbench = std::make_unique<etp::Workbench>();
        state.ResumeTiming();
        if (!etp::OpenFile(*workbench, ui)) state.SkipWithError("the import failed");
        benchmark::DoNotOptimize(workbench->sheet.lastNonEmptyRow());
        state.PauseTiming();
        workbench.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(XlsOpenStation33kFirstTime)->Unit(benchmark::kMillisecond);

// File > Open again in the same program, which clears the sheet and reads the file anew.
// Its floor is reading the file's bytes.
void XlsOpenStation33kAgain(benchmark::State& state)
{
    if (Missing(state)) return;
    OpenOnly ui;
    etp::Workbench workbench;
    etp::bench::StageTimer timer(state, "workbook import (.xls, 33,000 days)", etp::bench::ReadFloorSeconds(kStation33k),
                                 "read");
    for (auto _ : state) {
        timer.start();
        if (!etp::OpenFile(workbench, ui)) state.SkipWithError("the import failed");
        timer.stop();
        benchmark::DoNotOptimize(workbench.sheet.lastNonEmptyRow());
    }
}
BENCHMARK(XlsOpenStation33kAgain)->Arg(33000)->UseManualTime()->Unit(benchmark::kMillisecond);

#ifdef ETP_HAVE_FREEXL
// FreeXL opening the file and handing out every cell value of its sheet, without texts.
void XlsFreeXlStation33k(benchmark::State& state)
{
    if (Missing(state)) return;
    for (auto _ : state) {
        const void* handle = nullptr;
        unsigned rows = 0;
        unsigned short columns = 0;
        if (freexl_open(kStation33k, &handle) != FREEXL_OK || !handle || freexl_select_active_worksheet(handle, 0) != FREEXL_OK ||
            freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) {
            freexl_close(handle);
            state.SkipWithError("FreeXL cannot read the file");
            return;
        }
        long cells = 0;
        for (unsigned r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                if (freexl_get_cell_value(handle, r, c, &value) == FREEXL_OK && value.type != FREEXL_CELL_NULL) ++cells;
            }
        freexl_close(handle);
        benchmark::DoNotOptimize(cells);
    }
}
BENCHMARK(XlsFreeXlStation33k)->Unit(benchmark::kMillisecond);
#endif

} // namespace
