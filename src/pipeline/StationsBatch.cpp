#include "pipeline/StationsBatch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>

#include "base/AtomicFile.h"
#include "base/Text.h"
#include "pipeline/StationRunner.h"

namespace etp {

namespace {

namespace fs = std::filesystem;

constexpr const char* kReportFile = "stations-report.txt";
// A table with thousands of bad rows is told by its first ones.
constexpr std::size_t kProblemsShown = 20;

// The file options take endings; two that are the same would write one file twice.
std::optional<std::string> CheckEndings(const BatchOptions& common)
{
    const std::pair<const char*, const std::string*> options[] = {
        {"--creams-tr", &common.modelFiles.creamsTr},     {"--creams-rain", &common.modelFiles.creamsRain},
        {"--leachm-rain", &common.modelFiles.leachmRain}, {"--leachm-etp", &common.modelFiles.leachmEtp},
        {"--macro-rain", &common.modelFiles.macroRain},   {"--macro-etp", &common.modelFiles.macroEtp},
        {"--chart", &common.analysis.chart}};
    std::map<std::string, std::string> owner = {{"txt", "the sheet"}, {"summary.txt", "the summary"}};
    for (const auto& [name, ending] : options) {
        if (ending->empty()) continue;
        if (ending->find_first_of("/\\") != std::string::npos)
            return std::string(name) + " with --stations takes the ending of each station's file, such as macro.rn, " +
                   "not a path: \"" + *ending + "\"";
        if (const auto [seen, added] = owner.emplace(LowerCase(*ending), name); !added)
            return std::string(name) + " and " + seen->second + " would write the same file NAME." + *ending +
                   ": give each its own ending, such as leachm.rn and macro.rn";
    }
    return std::nullopt;
}

// Two stations whose files share a name (ignoring case): "a" with ending "x.rn" and
// "a.x" with ending "rn"; a station's file that is the report, or a station's series.
std::vector<std::string> CheckOutputs(const fs::path& table, const std::vector<StationRow>& rows,
                                      const std::vector<std::string>& endings, const fs::path& outDir)
{
    std::vector<std::string> problems;
    const std::string tableName = table.filename().string();
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(fs::absolute(outDir, ec), ec);
    // The files of the output folder that are read: the series, and the table (no row).
    std::map<std::string, const StationRow*> series;
    const auto reads = [&](const fs::path& path, const StationRow* row) {
        const fs::path file = fs::weakly_canonical(fs::absolute(path, ec), ec);
        if (file.parent_path() == folder) series.emplace(LowerCase(file.filename().string()), row);
    };
    reads(table, nullptr);
    for (const StationRow& row : rows) reads(row.file, &row);
    std::map<std::string, const StationRow*> writer;
    for (const StationRow& row : rows)
        for (const std::string& ending : endings) {
            const std::string file = row.name + "." + ending;
            const std::string at = tableName + " line " + std::to_string(row.line) + ": ";
            if (LowerCase(file) == kReportFile) {
                problems.push_back(at + "the file " + file + " of \"" + row.name + "\" would be the report");
                continue;
            }
            if (const auto read = series.find(LowerCase(file)); read != series.end()) {
                problems.push_back(at + "the file " + file + " of \"" + row.name + "\" would replace " +
                                   (read->second ? "the series of line " + std::to_string(read->second->line) : "the table"));
                continue;
            }
            if (const auto [seen, added] = writer.emplace(LowerCase(file), &row); !added)
                problems.push_back(at + "the file " + file + " of \"" + row.name + "\" is also written for \"" +
                                   seen->second->name + "\" (line " + std::to_string(seen->second->line) + ")");
        }
    return problems;
}

std::optional<std::string> PrepareOutDir(const fs::path& outDir)
{
    std::error_code ec;
    fs::create_directories(outDir, ec);
    if (!fs::is_directory(outDir, ec))
        return "the output folder " + outDir.string() + " cannot be made" + (ec ? ": " + ec.message() : std::string());
    const fs::path probe = outDir / ".etp-partial-";
    fs::remove_all(probe, ec);
    if (!fs::create_directory(probe, ec)) return "nothing can be written in the output folder " + outDir.string() + ": " + ec.message();
    fs::remove(probe, ec);
    return std::nullopt;
}

int TableProblems(const std::vector<std::string>& problems, std::ostream& err)
{
    for (std::size_t i = 0; i < std::min(problems.size(), kProblemsShown); ++i) err << "etp: " << problems[i] << '\n';
    if (problems.size() > kProblemsShown)
        err << "etp: and " << problems.size() - kProblemsShown << " more problems in the table\n";
    err << "No station was run.\n";
    return 2;
}

std::string Clock(double seconds)
{
    const long s = std::lround(std::max(seconds, 0.0));
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld", s / 60, s % 60);
    return text;
}

// Every line of a station's text after its name.
void PrintNamed(const std::string& name, const std::string& text, std::ostream& stream)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        stream << name << ": " << text.substr(start, end - start) << '\n';
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

} // namespace

StationNetwork PrepareStationNetwork(const BatchOptions& common, const std::string& table, const std::string& outDir,
                                     bool canDrawCharts)
{
    StationNetwork network;
    auto problem = CheckBatchOptions(common, canDrawCharts);
    if (!problem) problem = CheckEndings(common);
    if (problem) {
        network.problems.push_back(*problem);
        return network;
    }
    StationTable read = ReadStationTable(table);
    network.problems = std::move(read.problems);
    if (network.problems.empty())
        network.problems = CheckOutputs(table, read.rows, StationFileEndings(common), outDir);
    if (network.problems.empty())
        if (auto unwritable = PrepareOutDir(outDir)) network.problems.push_back(*unwritable);
    if (network.problems.empty()) network.rows = std::move(read.rows);
    return network;
}

std::optional<std::string> WriteStationReport(const std::string& outDir, const std::vector<StationResult>& results)
{
    std::vector<StationReportLine> lines;
    for (const StationResult& result : results) lines.push_back(result.report);
    return WriteFileAtomically((fs::path(outDir) / kReportFile).string(), StationReportText(lines));
}

std::string StationTotals(const std::vector<StationResult>& results)
{
    const auto done = std::count_if(results.begin(), results.end(),
                                    [](const StationResult& r) { return r.report.status == StationStatus::Done; });
    return std::to_string(results.size()) + (results.size() == 1 ? " station: " : " stations: ") + std::to_string(done) +
           " done, " + std::to_string(static_cast<long>(results.size()) - done) + " refused";
}

int RunStationsBatch(const BatchOptions& common, const StationsRequest& request, std::ostream& out, std::ostream& err,
                     const ChartRenderer& renderChart)
{
    // A wrong option is a usage error, a wrong table or folder is told as such.
    auto problem = CheckBatchOptions(common, static_cast<bool>(renderChart));
    if (!problem) problem = CheckEndings(common);
    if (problem) {
        err << "etp: " << *problem << "\nRun with --help for more information.\n";
        return 2;
    }
    const StationNetwork network = PrepareStationNetwork(common, request.table, request.outDir, static_cast<bool>(renderChart));
    if (!network.problems.empty()) return TableProblems(network.problems, err);

    const auto started = std::chrono::steady_clock::now();
    const auto show = [&](const StationProgress& p) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        const double left = elapsed.count() / p.done * (p.total - p.done);
        err << '\r' << p.done << '/' << p.total << " stations, " << p.refused << (p.refused == 1 ? " problem, " : " problems, ")
            << Clock(left) << " left\x1b[K" << std::flush;
    };
    const StationRunSettings settings{common, request.outDir, request.jobs, renderChart, std::nullopt};
    const auto results = RunStations(network.rows, settings, request.showProgress ? show : std::function<void(const StationProgress&)>());
    if (request.showProgress) err << "\r\x1b[K" << std::flush;

    bool allDone = true;
    std::vector<StationReportLine> lines;
    for (const StationResult& result : results) {
        PrintNamed(result.report.name, result.out, out);
        PrintNamed(result.report.name, result.err, err);
        lines.push_back(result.report);
        allDone = allDone && result.report.status == StationStatus::Done;
    }
    out << StationReportText(lines) << StationTotals(results) << '\n';
    if (const auto failure = WriteStationReport(request.outDir, results)) {
        err << "The report " << (fs::path(request.outDir) / kReportFile).string() << " could not be written: " << *failure
            << ".\n";
        return 1;
    }
    return allDone ? 0 : 1;
}

} // namespace etp
