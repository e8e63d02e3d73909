#pragma once
// The report of `etp --stations`: one line per station, in the table's order, of what its
// run found and wrote.
#include <string>
#include <vector>

#include "analysis/DataCheck.h"
#include "workbench/Workbench.h"

namespace etp {

// What a station's sheet holds after its run.
struct StationCounts {
    int days = 0;
    std::string firstDate, lastDate;
    int methods = 0;     // result columns of the methods asked for
    int notComputed = 0; // days with an empty cell in one of them (an input missing)
    int estimated = 0;   // days with something estimated
    int problems = 0;    // findings of the data check that are problems, not notes
    // The methods asked for that the station's columns do not allow, with the reason:
    // "PenFAO (needs the sunshine column; box Suns. dur. is 0)".
    std::vector<std::string> notAvailable;
};

StationCounts CountStation(const Workbench& workbench, const std::vector<std::string>& methodLabels,
                           const DataCheckReport& check);

enum class StationStatus { NotRun, Done, Refused };

struct StationReportLine {
    std::string name;
    StationCounts counts;
    int filesWritten = 0;
    StationStatus status = StationStatus::NotRun;
    std::string refusal; // the message that refused it
};

// A title line, then a line per station; TAB between the fields, LF after each line.
// Status is "done", "done; not available: PenFAO (needs ...), ...", "refused: MESSAGE" or
// "not run" (the run was cancelled before it).
std::string StationReportText(const std::vector<StationReportLine>& lines);

} // namespace etp
