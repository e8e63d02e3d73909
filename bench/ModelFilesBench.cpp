// Each model file's text built from a sheet of 32,000 and 100,000 days with a PenMon
// column, each irrigation scheduler on that sheet, and the six files written as the
// dialogs' buttons write them. A writer's floor is std::to_chars of as many numbers as
// its file holds.
//   build/bin/etp_bench --benchmark_filter=ModelFile
//
// The dates run from 01/01/00 with two-digit years. 32,000 days end in year 87, which
// every writer takes. 100,000 days pass from 99 to 00 twice: the CREAMS table (at most
// 36,500 days) and the LEACHM weekly file (at most 32,766 days) refuse them, and
// their benchmarks say so; the other writers take them.
#include <filesystem>
#include <functional>
#include <map>

#include "BenchStation.h"
#include "irrigation/Irrigation.h"
#include "models/CreamsTable.h"
#include "models/CreamsWriter.h"
#include "models/MacroWriter.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"
#include "workbench/ModelFileCommands.h"

namespace {

using namespace etp;
using namespace etp::bench;

constexpr DateStyle kStyle = DateStyle::TwoDigitFrom00;

const Workbench& Station(int rows)
{
    static std::map<int, Workbench> prepared;
    auto found = prepared.find(rows);
    if (found == prepared.end()) found = prepared.emplace(rows, PreparedWorkbench(rows, kStyle, {"PenMon"})).first;
    return found->second;
}

// The numbers of a model file: its fields between blanks, quotes and line ends.
std::vector<double> NumbersIn(std::string_view text)
{
    std::vector<double> numbers;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\'' || text[i] == '\r' || text[i] == '\n')) ++i;
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\'' && text[end] != '\r' && text[end] != '\n') ++end;
        const std::string_view field = text.substr(i, end - i);
        if (IsNumberText(field)) numbers.push_back(NumericValue(field));
        i = end;
    }
    return numbers;
}

// One writer: builds the text from the prepared sheet; a refusal ends the benchmark
// with the program's own message. The CREAMS table reads the whole series for a file
// of a few hundred numbers: its floor is reading and splitting the station file.
void RunWriter(benchmark::State& state, const char* stage, const std::function<std::string(const Workbench&)>& build,
               bool readsTheSeries = false)
{
    const Workbench& w = Station(static_cast<int>(state.range(0)));
    std::string text;
    try {
        text = build(w);
    } catch (const std::exception& refusal) {
        NoteRefused(stage, static_cast<long>(state.range(0)), refusal.what());
        state.SkipWithError((std::string("refused: ") + refusal.what()).c_str());
        for (auto _ : state) {
        }
        return;
    }
    StageTimer timer(state, stage,
                     readsTheSeries ? ReadSplitFloorSeconds(StationFile(static_cast<int>(state.range(0)), kStyle))
                                    : ToCharsFloorSeconds(NumbersIn(text)),
                     readsTheSeries ? "read+split" : "to_chars of the file's numbers");
    for (auto _ : state) {
        timer.start();
        text = build(w);
        timer.stop();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["file_kB"] = static_cast<double>(text.size()) / 1e3;
}

int Column(const Workbench& w, std::string_view title)
{
    for (int c = 1; c <= w.sheet.lastNonEmptyColumn(1); ++c)
        if (w.sheet.cellText(1, c) == title) return c;
    throw std::runtime_error("no column " + std::string(title));
}

void ModelFileCreamsTemperatureRadiation(benchmark::State& state)
{
    RunWriter(state, "CREAMS T&Rad (table + text)", [](const Workbench& w) {
        CreamsTable table;
        table.fill(CreamsMonthlyLines(w.sheet, w.columns, w.units));
        return CreamsTemperatureRadiationText(table);
    }, true);
}

void ModelFileCreamsRain(benchmark::State& state)
{
    RunWriter(state, "CREAMS rain", [](const Workbench& w) { return CreamsRainText(w.sheet, w.columns, Column(w, "RAIN")); });
}

void ModelFileLeachmRain(benchmark::State& state)
{
    RunWriter(state, "LEACHM rain", [](const Workbench& w) {
        return LeachmRainText(w.sheet, w.columns, Column(w, "RAIN"), LeachmDateFormat::Ddmmaa, {0, 0.1, 1});
    });
}

void ModelFileLeachmEtp(benchmark::State& state)
{
    RunWriter(state, "LEACHM etp", [](const Workbench& w) { return LeachmEtpText(w.sheet, w.columns, Column(w, "PenMon")); });
}

void ModelFileMacroRain(benchmark::State& state)
{
    RunWriter(state, "MACRO rain", [](const Workbench& w) { return MacroDailyText(w.sheet, w.columns, Column(w, "RAIN"), MacroFile::Rain); });
}

void ModelFileMacroEtp(benchmark::State& state)
{
    RunWriter(state, "MACRO etp", [](const Workbench& w) { return MacroDailyText(w.sheet, w.columns, Column(w, "PenMon"), MacroFile::Etp); });
}

#define ETP_STAGE(name) BENCHMARK(name)->Arg(kRows32k)->Arg(kRows100k)->UseManualTime()->Unit(benchmark::kMillisecond)
ETP_STAGE(ModelFileCreamsTemperatureRadiation);
ETP_STAGE(ModelFileCreamsRain);
ETP_STAGE(ModelFileLeachmRain);
ETP_STAGE(ModelFileLeachmEtp);
ETP_STAGE(ModelFileMacroRain);
ETP_STAGE(ModelFileMacroEtp);

// The six commands as the dialogs' buttons run them, files written atomically (32,000
// days only: the 100,000-day sheet is refused by two of them).
void ModelFilesAllSixWritten(benchmark::State& state)
{
    const Workbench& w = Station(static_cast<int>(state.range(0)));
    const auto folder = std::filesystem::temp_directory_path() / "etp-bench" / "model-files";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        BenchUserInterface ui({}, folder, true);
        CreamsTable table;
        BuildCreamsTable(w, table, ui);
        SaveCreamsAll(w, table, ui);
        LeachmSettings leachm;
        leachm.methods.enabled = true;
        leachm.methods.options[0] = {.label = "PenMon", .caption = "PenMon", .selected = true}; // column 0: the rightmost PenMon
        SaveLeachmAll(w, leachm, ui);
        SaveMacroAll(w, leachm.methods, ui);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(ModelFilesAllSixWritten)->Arg(kRows32k)->Unit(benchmark::kMillisecond);

// The schedulers change the rain column, so every run starts from a copy of the sheet.
void RunIrrigation(benchmark::State& state, const char* stage,
                   const std::function<bool(MeteoSheet&, const Workbench&, UserInterface&)>& apply)
{
    const int rows = static_cast<int>(state.range(0));
    const Workbench& w = Station(rows);
    StageTimer timer(state, stage, ReadSplitFloorSeconds(StationFile(rows, kStyle)), "read+split");
    BenchUserInterface ui({}, {}, true);
    MeteoSheet sheet;
    for (auto _ : state) {
        sheet = w.sheet;
        timer.start();
        if (!apply(sheet, w, ui)) state.SkipWithError("the irrigation failed");
        timer.stop();
    }
}

void IrrigationTurned(benchmark::State& state)
{
    RunIrrigation(state, "irrigation, turned", [](MeteoSheet& sheet, const Workbench& w, UserInterface&) {
        const auto applied = ApplyTurnedIrrigation(sheet, w.columns, FindRainColumn(sheet), TurnedIrrigationTexts{});
        return applied.outcome.done() && !applied.applications.empty();
    });
}
ETP_STAGE(IrrigationTurned);

void IrrigationOnDemand(benchmark::State& state)
{
    RunIrrigation(state, "irrigation, on demand", [](MeteoSheet& sheet, const Workbench& w, UserInterface&) {
        const auto applied =
            ApplyOnDemandIrrigation(sheet, w.columns, FindRainColumn(sheet), Column(w, "PenMon"), OnDemandIrrigationTexts{});
        return applied.outcome.done() && !applied.applications.empty();
    });
}
ETP_STAGE(IrrigationOnDemand);

} // namespace
