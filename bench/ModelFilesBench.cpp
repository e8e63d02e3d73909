// The six model files (CREAMS, LEACHM and MACRO, rain and the other one each) from a
// sheet of 32,000 days with an ET column.
//   build/bin/etp_bench --benchmark_filter=ModelFiles
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "workbench/ModelFileCommands.h"

namespace {

using namespace etp;

// Answers every save dialog with the next file of a folder; says nothing.
class FolderUserInterface final : public UserInterface {
public:
    explicit FolderUserInterface(std::filesystem::path folder) : folder_(std::move(folder)) {}
    void message(const std::string& text, const std::string&, Icon) override { throw std::runtime_error(text); }
    Answer question(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
    std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string&) override
    {
        return (folder_ / (std::to_string(++files_) + initialName.substr(1))).string();
    }
    void beep() override {}

protected:
    void showPointer(Pointer) override {}

private:
    std::filesystem::path folder_;
    int files_ = 0;
};

// 32,000 days of 365-day years from 1 January 1900 (two-digit years 00 to 87, so that
// the day and week numbers never pass from 99 to 00), with rain on one day in three.
const Workbench& Station()
{
    static const Workbench workbench = [] {
        static constexpr int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        Workbench w;
        const char* titles[] = {"DATE", "TMIN", "TMAX", "RHMIN", "RHMAX", "RAD", "WIND", "ELIOF", "RAIN", "PenMon"};
        for (int c = 0; c < 10; ++c) w.sheet.setCellText(1, c + 1, titles[c]);
        w.columns.text = {"1", "2", "3", "4", "5", "6", "7", "8"};
        w.units.select(RadiationUnit, "MJ m^-2");
        char text[48];
        int day = 1, month = 1, year = 0;
        for (int i = 0; i < 32000; ++i) {
            const int r = i + 2;
            const double season = std::sin(6.283185 * (i % 365 - 105) / 365.0);
            std::snprintf(text, sizeof text, "%02d/%02d/%02d", day, month, year);
            w.sheet.setCellText(r, 1, text);
            std::snprintf(text, sizeof text, "%.1f", 6 + 8 * season - (i % 7) * 0.4);
            w.sheet.setCellText(r, 2, text);
            std::snprintf(text, sizeof text, "%.1f", 17 + 10 * season + (i % 5) * 0.3);
            w.sheet.setCellText(r, 3, text);
            std::snprintf(text, sizeof text, "%.2f", 15 + 9 * season);
            w.sheet.setCellText(r, 6, text);
            std::snprintf(text, sizeof text, "%.1f", i % 3 ? 0.0 : 0.2 + (i % 17) * 1.3);
            w.sheet.setCellText(r, 9, text);
            std::snprintf(text, sizeof text, "%.2f", 3 + 2.5 * season + (i % 4) * 0.05);
            w.sheet.setCellText(r, 10, text);
            if (++day > kLength[month - 1]) {
                day = 1;
                if (++month > 12) {
                    month = 1;
                    ++year;
                }
            }
        }
        return w;
    }();
    return workbench;
}

// The six texts, built in memory.
void BM_ModelFilesTexts(benchmark::State& state)
{
    const Workbench& w = Station();
    std::size_t bytes = 0;
    for (auto _ : state) {
        CreamsTable table;
        table.fill(CreamsMonthlyLines(w.sheet, w.columns, w.units));
        const std::string texts[] = {
            CreamsTemperatureRadiationText(table),
            CreamsRainText(w.sheet, w.columns, 9),
            LeachmRainText(w.sheet, w.columns, 9, LeachmDateFormat::Ddmmaa, {0, 0.1, 1}),
            LeachmEtpText(w.sheet, w.columns, 10),
            MacroDailyText(w.sheet, w.columns, 9),
            MacroDailyText(w.sheet, w.columns, 10),
        };
        bytes = 0;
        for (const auto& text : texts) bytes += text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["file_kB"] = static_cast<double>(bytes) / 1e3;
}
BENCHMARK(BM_ModelFilesTexts)->Unit(benchmark::kMillisecond);

// The six commands as the dialogs' buttons run them, files written atomically.
void BM_ModelFilesWritten(benchmark::State& state)
{
    const Workbench& w = Station();
    const auto folder = std::filesystem::temp_directory_path() / "etp-bench-model-files";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        FolderUserInterface ui(folder);
        CreamsTable table;
        BuildCreamsTable(w, table, ui);
        SaveCreamsAll(w, table, ui);
        LeachmSettings leachm;
        leachm.methods.enabled = true;
        leachm.methods.options[0] = {"PenMon", true, true};
        SaveLeachmAll(w, leachm, ui);
        SaveMacroAll(w, leachm.methods, ui);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ModelFilesWritten)->Unit(benchmark::kMillisecond);

} // namespace
