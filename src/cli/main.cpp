#include <iostream>

#include "cli/RunBatch.h"

#ifdef ETP_CHART_PROGRAM
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/AtomicFile.h"
#include "workbench/FileCommands.h"

extern char** environ;
#endif

namespace {

#ifdef ETP_CHART_PROGRAM
// Runs etp-chart in folder on the sheet as it stands and waits for it; the reason of a
// failure is what etp-chart wrote on its standard output, the file reason.txt.
bool RunChartProgram(const std::filesystem::path& program, const std::string& folder, const etp::Workbench& workbench,
                     const std::string& path, std::string& error)
{
    const std::string sheet = folder + "/sheet.txt", reason = folder + "/reason.txt";
    if (const auto failure = etp::WriteFileAtomically(sheet, etp::SheetAsText(workbench.sheet))) {
        error = "the sheet could not be handed to the chart program: " + *failure;
        return false;
    }
    // The date's boxes, as etp-chart takes them: date, year, month, day, day of year.
    std::string dateColumn;
    for (const etp::ColumnBox box : {etp::ColumnBox::Date, etp::ColumnBox::Year, etp::ColumnBox::Month,
                                     etp::ColumnBox::Day, etp::ColumnBox::Doy})
        dateColumn += (dateColumn.empty() ? "" : ",") + std::to_string(workbench.columns.column(box));
    const etp::StationParameters& station = workbench.station;
    const char* argv[] = {program.c_str(),
                          sheet.c_str(),
                          dateColumn.c_str(),
                          path.c_str(),
                          workbench.workingFile.path.c_str(),
                          station.latitude.c_str(),
                          station.altitude.c_str(),
                          nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, reason.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        error = "the chart program " + program.string() + " could not be started: " + std::strerror(spawned);
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;

    std::ostringstream told;
    told << std::ifstream(reason).rdbuf();
    error = told.str();
    if (!error.empty() && error.back() == '\n') error.pop_back();
    if (error.empty())
        error = "the chart program " + program.string() +
                (WIFSIGNALED(status) ? " was stopped by signal " + std::to_string(WTERMSIG(status))
                                     : " ended with status " + std::to_string(WEXITSTATUS(status)));
    return false;
}

// The chart is drawn by the program etp-chart, which etp starts only for a chart. etp
// itself does not load Qt: a whole 32,000-day PenMon run takes about 21 ms, and loading
// Qt's libraries would add more than 10 ms to every run, chart or not. A program of its
// own keeps Qt out of etp and shares no C++ object with it: etp-chart reads the sheet
// from a temporary file, in the form File > Save writes, and the date column, the file's
// name and the station from its command line, which is all the chart reads of the workbench.
bool DrawChart(const std::filesystem::path& program, const etp::Workbench& workbench, const std::string& path,
               std::string& error)
{
    std::error_code ec;
    std::string folder = (std::filesystem::temp_directory_path(ec) / "etp-chart-XXXXXX").string();
    if (ec || !mkdtemp(folder.data())) {
        error = "no temporary folder for the chart: " + (ec ? ec.message() : std::string(std::strerror(errno)));
        return false;
    }
    const bool drawn = RunChartProgram(program, folder, workbench, path, error);
    std::filesystem::remove_all(folder, ec);
    return drawn;
}

// etp-chart lies at ETP_CHART_PROGRAM, relative to etp's own folder, in the build folder as
// where it is installed. Without it etp draws no chart.
etp::ChartRenderer ChartProgram()
{
    std::error_code ec;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / ETP_CHART_PROGRAM;
    if (ec || !std::filesystem::is_regular_file(program, ec)) return {};
    return [program](const etp::Workbench& workbench, const std::string& path, std::string& error) {
        return DrawChart(program, workbench, path, error);
    };
}
#endif

} // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    etp::ChartRenderer renderChart;
#ifdef ETP_CHART_PROGRAM
    renderChart = ChartProgram();
#endif
    return etp::RunBatch(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr, renderChart);
}
