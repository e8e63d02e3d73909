#include "BenchStation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>

#include "et/MethodAvailability.h"
#include "et/MethodTable.h"
#include "sheet/NumericValue.h"
#include "workbench/SettingCommands.h"
#include "workbench/MethodCommands.h"
#include "workbench/FileCommands.h"

namespace etp::bench {

namespace {

// A fixed-seed generator that is the same everywhere: uniform in [0, 1).
class Noise {
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0;
    }

private:
    unsigned long long state_ = 20190101;
};

char* Fixed(char* out, double value, int decimals)
{
    return std::to_chars(out, out + 32, value, std::chars_format::fixed, decimals).ptr;
}

char* TwoDigits(char* out, int value)
{
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

} // namespace

std::string StationText(int days, DateStyle style)
{
    static constexpr int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string text = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n";
    text.reserve(static_cast<std::size_t>(days) * 56 + text.size());
    Noise noise;
    int day = 1, month = 1;
    int year = style == DateStyle::TwoDigitFrom30 ? 30 : (style == DateStyle::TwoDigitFrom00 ? 0 : 1900);
    double anomaly = 0; // [°C], persistent weather
    bool wet = false;
    for (int i = 0; i < days; ++i) {
        const int J = i % 365;
        const double season = std::sin(6.283185 * (J - 105) / 365.0); // 1 in mid-July
        anomaly = 0.8 * anomaly + (noise.next() - 0.5) * 2.4;
        wet = noise.next() < (wet ? 0.55 : 0.2);
        const double tmin = 6 + 8 * season + anomaly - (wet ? 0 : 1.5 * noise.next());
        const double tmax = tmin + 7 + 4 * season + (wet ? 2 * noise.next() : 3 + 4 * noise.next());
        const double rhmin = std::clamp(55 - 15 * season + (wet ? 25 : 0) + 10 * (noise.next() - 0.5), 12.0, 99.0);
        const double rhmax = std::clamp(rhmin + 20 + 15 * noise.next(), rhmin, 100.0);
        const double sunshine = std::max(0.0, (wet ? 0.25 : 0.75) * (12.2 + 3.3 * season) * (0.6 + 0.4 * noise.next()));
        const double radiation = (18 + 12 * season) * (0.25 + 0.5 * sunshine / (12.2 + 3.3 * season)) * 1.5; // [MJ m-2]
        const double wind = 0.6 + 3.5 * noise.next() * noise.next();                                      // [m s-1] at 10 m
        const double rain = wet ? 0.2 + 25 * noise.next() * noise.next() : 0;                             // [mm]

        char line[128];
        char* p = line;
        p = TwoDigits(p, day);
        *p++ = '/';
        p = TwoDigits(p, month);
        *p++ = '/';
        if (style == DateStyle::FourDigitFrom1900) {
            p = TwoDigits(p, year / 100);
            p = TwoDigits(p, year % 100);
        } else {
            p = TwoDigits(p, year);
        }
        const double fields[] = {tmin, tmax, std::round(rhmin), std::round(rhmax), radiation, wind, sunshine, rain};
        const int decimals[] = {1, 1, 0, 0, 2, 1, 1, 1};
        for (int f = 0; f < 8; ++f) {
            *p++ = '\t';
            p = Fixed(p, fields[f] == 0 ? 0.0 : fields[f], decimals[f]);
        }
        *p++ = '\r';
        *p++ = '\n';
        text.append(line, static_cast<std::size_t>(p - line));

        if (++day > kLength[month - 1]) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
                if (style != DateStyle::FourDigitFrom1900 && year == 100) year = 0; // 99 -> 00
            }
        }
    }
    return text;
}

const std::string& CachedStationText(int days, DateStyle style)
{
    static std::map<std::pair<int, DateStyle>, std::string> texts;
    auto [entry, added] = texts.try_emplace({days, style});
    if (added) entry->second = StationText(days, style);
    return entry->second;
}

const std::filesystem::path& StationFile(int days, DateStyle style)
{
    static std::map<std::pair<int, DateStyle>, std::filesystem::path> files;
    auto [entry, added] = files.try_emplace({days, style});
    if (added) {
        const auto folder = std::filesystem::temp_directory_path() / "etp-bench";
        std::filesystem::create_directories(folder);
        entry->second = folder / ("station-" + std::to_string(days) + "-" + std::to_string(static_cast<int>(style)) + ".txt");
        std::ofstream(entry->second, std::ios::binary) << CachedStationText(days, style);
    }
    return entry->second;
}

BenchUserInterface::BenchUserInterface(std::string openFile, std::filesystem::path saveFolder, bool throwOnMessage)
    : openFile_(std::move(openFile)), saveFolder_(std::move(saveFolder)), throwOnMessage_(throwOnMessage)
{
}

void BenchUserInterface::message(const std::string& text, const std::string&, Icon)
{
    if (throwOnMessage_) throw std::runtime_error(text);
}

std::optional<std::string> BenchUserInterface::chooseOpenFile(const std::string&, const std::string&)
{
    if (openFile_.empty()) return std::nullopt;
    return openFile_;
}

std::optional<std::string> BenchUserInterface::chooseSaveFile(const std::string& initialName, const std::string&)
{
    if (saveFolder_.empty()) return std::nullopt;
    return (saveFolder_ / (std::to_string(++saved_) + initialName.substr(1))).string();
}

std::vector<const char*> AllMethods()
{
    std::vector<const char*> labels;
    for (const MethodInfo& info : kMethods) labels.push_back(info.label);
    return labels;
}

Workbench PreparedWorkbench(int days, DateStyle style, const std::vector<const char*>& methods)
{
    Workbench workbench;
    BenchUserInterface ui(StationFile(days, style).string(), {}, false);
    if (!OpenFile(workbench, ui)) throw std::runtime_error("the station file cannot be opened");
    TryAutoFinding(workbench, ui);
    workbench.station = {"44.5", "120", "10"};
    if (methods.empty()) return workbench;
    for (const char* label : methods) {
        const auto method = MethodOfLabel(label);
        if (!method || !MethodAvailability(*method, workbench.columns).available)
            throw std::runtime_error(std::string("method not available: ") + label);
        workbench.methods.checked[*method] = true;
    }
    // Compute's closing note may name the last, partial year of Thornthwaite; what matters
    // is that every method has a value on every day.
    BenchUserInterface quiet;
    const int firstResult = workbench.sheet.lastNonEmptyColumn() + 1;
    if (ComputeResults(workbench, quiet) != ComputeOutcome::Completed) throw std::runtime_error("Compute failed");
    const std::size_t cells = static_cast<std::size_t>(workbench.sheet.lastNonEmptyRow() - 1) * methods.size();
    if (ResultValues(workbench.sheet, firstResult).size() != cells) throw std::runtime_error("Compute left days empty");
    return workbench;
}

std::vector<double> ResultValues(const MeteoSheet& sheet, int firstResultColumn)
{
    std::vector<double> values;
    const int rows = sheet.lastNonEmptyRow();
    const int columns = sheet.lastNonEmptyColumn();
    for (int r = 2; r <= rows; ++r)
        for (int c = firstResultColumn; c <= columns; ++c) {
            const std::string_view text = sheet.cellText(r, c);
            if (!text.empty()) values.push_back(NumericValue(text));
        }
    return values;
}

std::size_t ReadBytes(const std::filesystem::path& file, std::string& bytes)
{
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot open " + file.string());
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    bytes.resize(static_cast<std::size_t>(size));
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(got);
    return got;
}

std::size_t ReadAndSplit(const std::filesystem::path& file, std::string& bytes, std::vector<std::string_view>& fields)
{
    ReadBytes(file, bytes);
    fields.clear();
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    const char* field = p;
    for (; p != end; ++p) {
        const char c = *p;
        if (c == '\t' || c == '\r' || c == '\n') {
            if (c != '\n' || p == field || p[-1] != '\r') fields.emplace_back(field, static_cast<std::size_t>(p - field));
            field = p + 1;
        }
    }
    if (field != end) fields.emplace_back(field, static_cast<std::size_t>(end - field));
    return fields.size();
}

std::size_t FormatWithToChars(const std::vector<double>& values, std::string& out)
{
    out.resize(values.size() * 24);
    char* p = out.data();
    for (const double v : values) {
        p = std::to_chars(p, p + 24, v).ptr;
        *p++ = '\t';
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out.size();
}

namespace {

template <typename Work>
double Fastest(Work work)
{
    double fastest = 1e300;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    for (int run = 0; run < 200 && (run < 5 || std::chrono::steady_clock::now() < deadline); ++run) {
        const auto begin = std::chrono::steady_clock::now();
        work();
        fastest = std::min(fastest, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    return fastest;
}

struct SummaryLine {
    std::string stage;
    long rows;
    double fastest, mean, floor;
    std::string floorName;
};

std::vector<SummaryLine>& Summary()
{
    static std::vector<SummaryLine> lines;
    return lines;
}

} // namespace

double ReadSplitFloorSeconds(const std::filesystem::path& file)
{
    static std::map<std::filesystem::path, double> floors;
    auto [entry, added] = floors.try_emplace(file);
    if (added) {
        std::string bytes;
        std::vector<std::string_view> fields;
        entry->second = Fastest([&] { benchmark::DoNotOptimize(ReadAndSplit(file, bytes, fields)); });
    }
    return entry->second;
}

double ReadFloorSeconds(const std::filesystem::path& file)
{
    std::string bytes;
    return Fastest([&] { benchmark::DoNotOptimize(ReadBytes(file, bytes)); });
}

double ToCharsFloorSeconds(const std::vector<double>& values)
{
    std::string out;
    return Fastest([&] { benchmark::DoNotOptimize(FormatWithToChars(values, out)); });
}

StageTimer::StageTimer(benchmark::State& state, std::string stage, double floorSeconds, std::string floorName)
    : state_(state), stage_(std::move(stage)), floorName_(std::move(floorName)), floor_(floorSeconds)
{
}

void StageTimer::stop()
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin_).count();
    state_.SetIterationTime(seconds);
    fastest_ = std::min(fastest_, seconds);
    total_ += seconds;
    ++runs_;
}

StageTimer::~StageTimer()
{
    if (runs_ == 0) return;
    state_.counters["min_ms"] = fastest_ * 1e3;
    state_.counters["floor_ms"] = floor_ * 1e3;
    state_.counters["x_floor"] = fastest_ / floor_;
    const long rows = state_.range(0);
    auto& lines = Summary();
    const auto same = std::find_if(lines.begin(), lines.end(),
                                   [&](const SummaryLine& l) { return l.stage == stage_ && l.rows == rows; });
    const SummaryLine line{stage_, rows, fastest_, total_ / static_cast<double>(runs_), floor_, floorName_};
    if (same == lines.end())
        lines.push_back(line);
    else
        *same = line; // the last repetition
}

void NoteRefused(const std::string& stage, long rows, const std::string& message)
{
    auto& lines = Summary();
    const auto same = std::find_if(lines.begin(), lines.end(),
                                   [&](const SummaryLine& l) { return l.stage == stage && l.rows == rows; });
    const SummaryLine line{stage, rows, 0, 0, 0, "refused: " + message};
    if (same == lines.end())
        lines.push_back(line);
    else
        *same = line;
}

void PrintSummary()
{
    if (Summary().empty()) return;
    std::printf("\n%-34s %7s %10s %10s %10s %8s  %s\n", "stage", "rows", "min ms", "mean ms", "floor ms", "x floor",
                "floor");
    for (const auto& l : Summary()) {
        if (l.floor == 0) {
            std::printf("%-34s %7ld %10s %10s %10s %8s  %s\n", l.stage.c_str(), l.rows, "-", "-", "-", "-",
                        l.floorName.c_str());
            continue;
        }
        std::printf("%-34s %7ld %10.3f %10.3f %10.3f %8.2f  %s\n", l.stage.c_str(), l.rows, l.fastest * 1e3,
                    l.mean * 1e3, l.floor * 1e3, l.fastest / l.floor, l.floorName.c_str());
    }
}

void OpenIntoNewWorkbenches(benchmark::State& state, StageTimer& timer, const std::filesystem::path& file, int rows)
{
    BenchUserInterface ui(file.string());
    for (auto _ : state) {
        auto workbench = std::make_unique<Workbench>();
        timer.start();
        const bool opened = OpenFile(*workbench, ui);
        timer.stop();
        if (!opened || workbench->sheet.lastNonEmptyRow() != rows) state.SkipWithError("the import failed");
        benchmark::DoNotOptimize(workbench->sheet.lastNonEmptyRow());
    }
}

} // namespace etp::bench
