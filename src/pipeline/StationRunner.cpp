#include "pipeline/StationRunner.h"

#include <algorithm>
#include <mutex>
#include <sstream>
#include <thread>

#include "base/AtomicFile.h"

namespace etp {

namespace {

namespace fs = std::filesystem;

// The file options that name a station's files by their ending.
std::vector<std::string*> EndingOptions(BatchOptions& options)
{
    ModelFileOptions& m = options.modelFiles;
    return {&m.creamsTr, &m.creamsRain, &m.leachmRain, &m.leachmEtp, &m.macroRain, &m.macroEtp, &options.analysis.chart};
}

// The station's options, its files named in the output folder.
BatchOptions StationOptions(const StationRow& row, const BatchOptions& common, const fs::path& outDir)
{
    BatchOptions options = common;
    options.input = row.file.string();
    options.latitude = row.latitude;
    options.altitude = row.altitude;
    options.windHeight = row.windHeight;
    for (const UnitKind kind : kAllUnitKinds)
        if (!row.units[kind].empty()) options.units[kind] = row.units[kind];
    options.columns.insert(options.columns.end(), row.columns.begin(), row.columns.end());
    const auto file = [&](const std::string& ending) { return (outDir / (row.name + "." + ending)).string(); };
    options.output = file("txt");
    options.analysis.summary = file("summary.txt");
    for (std::string* option : EndingOptions(options))
        if (!option->empty()) *option = file(*option);
    // A station's crop balance writes its two files under the station's name.
    if (!row.crop.empty()) options.crop.crop = row.crop.string();
    if (!options.crop.crop.empty()) {
        options.crop.out = file("crop.txt");
        options.crop.summary = file("crop-summary.txt");
    }
    return options;
}

// A message as one field of the report: its lines joined by spaces.
std::string OneLine(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// Moves what the run wrote into the output folder; the number of files moved, and the
// problem that stopped it, if one did.
int MoveFiles(const fs::path& folder, const fs::path& outDir, std::string& problem)
{
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder, ec)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    int moved = 0;
    for (const fs::path& file : files) {
        fs::rename(file, outDir / file.filename(), ec);
        if (ec) {
            problem = "the file " + (outDir / file.filename()).string() + " cannot be written: " + ec.message();
            break;
        }
        ++moved;
    }
    if (moved > 0) SyncFolder(outDir);
    return moved;
}

StationResult RunStation(const StationRow& row, const StationRunSettings& settings)
{
    StationResult result;
    StationReportLine& report = result.report;
    report.name = row.name;
    report.status = StationStatus::Refused;
    std::error_code ec;
    const fs::path folder = settings.outDir / (".etp-partial-" + row.name);
    fs::remove_all(folder, ec); // left by a run that was killed
    if (!fs::create_directory(folder, ec)) {
        report.refusal = "no folder for its files in " + settings.outDir.string() + ": " + ec.message();
        return result;
    }
    const BatchOptions options = StationOptions(row, settings.common, settings.outDir);
    std::vector<std::string> methodLabels = options.methods;
    std::ostringstream out, err;
    Workbench workbench;
    DataCheckReport check;
    int status = 2;
    std::string lastMessage;
    try {
        BatchPlan plan;
        if (auto problem = MakeBatchPlan(options, static_cast<bool>(settings.renderChart), plan)) {
            err << "etp: " << *problem << '\n';
        } else {
            plan.gatherFilesIn = folder;
            if (settings.choices) {
                plan.choices = *settings.choices;
                plan.hargreavesTexts.reset();
                methodLabels.clear();
                for (const Method method : plan.choices.methods) methodLabels.emplace_back(Info(method).label);
            }
            status = RunBatchPipeline(options, plan, workbench, out, err, settings.renderChart, &check, &lastMessage);
        }
    } catch (const std::exception& error) {
        lastMessage = std::string("the run stopped: ") + error.what();
        err << lastMessage << '\n';
    }
    result.out = out.str();
    result.err = err.str();
    report.counts = CountStation(workbench, methodLabels, check);
    if (status == 0) {
        report.filesWritten = MoveFiles(folder, settings.outDir, report.refusal);
        if (report.refusal.empty()) report.status = StationStatus::Done;
    } else {
        report.refusal = status == 3 ? "the data check found problems (--strict)" : OneLine(lastMessage);
        if (report.refusal.empty()) report.refusal = "the run ended with status " + std::to_string(status);
    }
    fs::remove_all(folder, ec);
    return result;
}

} // namespace

std::vector<std::string> StationFileEndings(const BatchOptions& common)
{
    BatchOptions options = common;
    std::vector<std::string> endings = {"txt", "summary.txt", "crop.txt", "crop-summary.txt"};
    for (const std::string* option : EndingOptions(options))
        if (!option->empty()) endings.push_back(*option);
    return endings;
}

std::vector<StationResult> RunStations(const std::vector<StationRow>& rows, const StationRunSettings& settings,
                                       const std::function<void(const StationProgress&)>& progress,
                                       const std::atomic<bool>* cancel)
{
    std::vector<StationResult> results(rows.size());
    if (rows.empty()) return results;
    for (std::size_t i = 0; i < rows.size(); ++i) results[i].report.name = rows[i].name;
    std::atomic<std::size_t> next{0};
    std::mutex told;
    StationProgress counted{0, 0, static_cast<int>(rows.size())};
    const auto work = [&] {
        while (!(cancel && cancel->load())) {
            const std::size_t i = next++;
            if (i >= rows.size()) return;
            results[i] = RunStation(rows[i], settings);
            const std::lock_guard lock(told);
            ++counted.done;
            if (results[i].report.status == StationStatus::Refused) ++counted.refused;
            if (progress) progress(counted);
        }
    };
    const std::size_t threads = std::clamp<std::size_t>(static_cast<std::size_t>(std::max(settings.jobs, 1)), 1, rows.size());
    if (threads <= 1) {
        work();
    } else {
        std::vector<std::jthread> pool;
        for (std::size_t t = 0; t < threads; ++t) pool.emplace_back(work);
    }
    return results;
}

} // namespace etp
