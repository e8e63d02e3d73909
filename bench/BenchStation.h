#pragma once
// What the stage benchmarks share: generated station series of any length, the
// interfaces that answer nobody, sheets prepared up to a stage, and the two floors
// every stage is measured against (reading and splitting the file's bytes, and
// formatting numbers with std::to_chars).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "workbench/Workbench.h"

namespace etp::bench {

// The two lengths every stage runs on.
inline constexpr int kRows32k = 32000;
inline constexpr int kRows100k = 100000;

// How the date column is written. Two-digit years are read through the pivot (00-29
// are 2000-2029, 30-99 are 1930-1999) by Compute and by position by the model files,
// so no 88-year series of two-digit years suits both:
//  - TwoDigitFrom30: 01/01/30 on; after 99 comes 00, and after 29 comes 30 again, so
//    Compute's 100-year month table ("P-T extrad") holds any length. The model files
//    that number days refuse the series once its years go back (99 -> 00).
//  - TwoDigitFrom00: 01/01/00 on; 32,000 days end in year 87 and every model file takes
//    them. "P-T extrad" stops where the pivot turns 29 into 30 (2029 -> 1930).
//  - FourDigitFrom1900: 01/01/1900 on; up to 100 years suit Compute and every model
//    file (which read the characters "19" as the two-digit year).
enum class DateStyle { TwoDigitFrom30, TwoDigitFrom00, FourDigitFrom1900 };

// A station file of `days` days (365-day years, no 29 February): a title line and nine
// columns DATE TMIN TMAX RHMIN RHMAX RAD WIND ELIOF RAIN, TAB-separated, CR LF line
// ends; seasonal values with day-to-day noise from a fixed seed, radiation in MJ m-2,
// wind in m s-1, sunshine in hours, rain on about one day in three.
std::string StationText(int days, DateStyle style);
// The same, generated once per process and kept.
const std::string& CachedStationText(int days, DateStyle style);
// The text written to a file in the system's temporary folder (once per process).
const std::filesystem::path& StationFile(int days, DateStyle style);

// Says nothing and answers every question with OK; the open dialog names `openFile`,
// save dialogs name the next file of `saveFolder`. A message throws when
// `throwOnMessage`, so that a benchmark cannot time a refusal by mistake.
class BenchUserInterface final : public UserInterface {
public:
    explicit BenchUserInterface(std::string openFile = {}, std::filesystem::path saveFolder = {},
                                bool throwOnMessage = false);
    void message(const std::string& text, const std::string& title, Icon icon) override;
    Answer question(const std::string&, const std::string&, Icon, Buttons) override { return Answer::Ok; }
    std::optional<std::string> inputText(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> chooseOpenFile(const std::string&, const std::string&) override;
    std::optional<std::string> chooseSaveFile(const std::string& initialName, const std::string&) override;
    void beep() override {}

protected:
    void showPointer(Pointer) override {}

private:
    std::string openFile_;
    std::filesystem::path saveFolder_;
    bool throwOnMessage_;
    int saved_ = 0;
};

// The station imported and auto-found, with the station of the sample (44.5 N, 120 m,
// wind at 10 m); then, when `methods` is not empty, those methods (result labels)
// computed. Throws when a step fails.
Workbench PreparedWorkbench(int days, DateStyle style, const std::vector<const char*>& methods);
// Every method's label.
std::vector<const char*> AllMethods();

// Every number of the result columns right of `firstResultColumn`, row by row.
std::vector<double> ResultValues(const MeteoSheet& sheet, int firstResultColumn);

// The floors, each the fastest of several runs [s]: the file's bytes read into memory
// and split at TAB and line ends (string_views into a reused vector); and `values`
// formatted with std::to_chars into one reused buffer, TAB after each. The shortest
// form is the floor: with a precision (fixed, 2) libstdc++'s to_chars is several
// times slower.
double ReadSplitFloorSeconds(const std::filesystem::path& file);
// Only reading the bytes (for a binary file, which has no fields).
double ReadFloorSeconds(const std::filesystem::path& file);
double ToCharsFloorSeconds(const std::vector<double>& values);
// The work of the floors themselves, for the floor benchmarks.
std::size_t ReadBytes(const std::filesystem::path& file, std::string& bytes);
std::size_t ReadAndSplit(const std::filesystem::path& file, std::string& bytes, std::vector<std::string_view>& fields);
std::size_t FormatWithToChars(const std::vector<double>& values, std::string& out);

// Times one run of a stage as manual time, keeping the fastest; at the end the stage is
// reported as a multiple of its floor (counters "floor_ms", "min_ms", "x_floor") and
// remembered for the summary that main prints.
class StageTimer {
public:
    StageTimer(benchmark::State& state, std::string stage, double floorSeconds, std::string floorName);
    void start() { begin_ = std::chrono::steady_clock::now(); }
    void stop();
    ~StageTimer();

private:
    benchmark::State& state_;
    std::string stage_;
    std::string floorName_;
    double floor_;
    double fastest_ = 1e300;
    double total_ = 0;
    long runs_ = 0;
    std::chrono::steady_clock::time_point begin_;
};

// File > Open of `file` into a new workbench each run, as the first open of a program just
// started (the workbench's release is not timed); a run that does not end with `rows`
// rows in the sheet marks the benchmark failed.
void OpenIntoNewWorkbenches(benchmark::State& state, StageTimer& timer, const std::filesystem::path& file, int rows);

// A stage the program refuses at that length, with its message, for the summary.
void NoteRefused(const std::string& stage, long rows, const std::string& message);

// The summary of every stage run so far: stage, rows, fastest ms, floor, ratio.
void PrintSummary();

} // namespace etp::bench
