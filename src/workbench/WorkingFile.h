#pragma once
// The file the sheet belongs to: the one it was opened from or last saved to, and the
// sheet's revision at that moment, so that the program knows when it holds work not yet
// saved.
#include <cstdint>
#include <string>

namespace etp {

struct WorkingFile {
    std::string path; // empty: the sheet has no file yet
    // File > Save can write it again as it is: a TAB-separated text file. A CSV file or a
    // workbook is saved through Save as, as a text file of its own.
    bool writable = false;
    std::uint64_t savedRevision = 0; // a new sheet's: an empty sheet has nothing to save
};

} // namespace etp
