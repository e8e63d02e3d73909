#pragma once
// The table of `etp --stations`: a title line, then one station a line. Columns (titles
// in any case): file (relative to the table's folder), name (default: the file's name
// without its extension), lat, alt, wind_height (an empty cell: from the file's header
// when it has one, else the default), and optionally rad_unit, wind_unit, sun_unit,
// rh_unit, temp_unit, ea_unit and col_VAR (VAR as --col takes it), which take the values
// of the options of the same name for that station, and crop, a crop description (relative
// to the table's folder) whose balance the station gets as with --crop. Other columns are
// left for the reader.
#include <filesystem>
#include <string>
#include <vector>

#include "sheet/UnitLists.h"

namespace etp {

struct StationRow {
    int line = 0; // in the table, the title line being 1
    std::filesystem::path file;
    std::string name;
    std::string latitude, altitude, windHeight;
    // "" where the table says nothing: the batch option stands.
    PerUnitKind<std::string> units;
    std::vector<std::string> columns; // VAR=TEXT, after the batch options' --col
    std::filesystem::path crop;       // empty: --crop, if given, stands
};

struct StationTable {
    std::vector<StationRow> rows;
    // What is wrong with it, one problem a line: "stations.csv line 4: lat "abc" is not a number".
    std::vector<std::string> problems;
};

// Reads the table through the program's importers (text, CSV or the first sheet of a
// workbook) and checks every row: the file exists, the numbers are numbers, the units
// are the lists' own, the names are unique (ignoring case) and can name files.
StationTable ReadStationTable(const std::string& path);

} // namespace etp
