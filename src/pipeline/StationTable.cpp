#include "pipeline/StationTable.h"

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>

#include "base/Text.h"
#include "pipeline/ConsoleUserInterface.h"
#include "sheet/NumericValue.h"
#include "sheet/ColumnMap.h"
#include "sheet/UnitLists.h"
#include "workbench/FileCommands.h"

namespace etp {

namespace {



std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A name that can stand before the endings of the station's files in one folder.
bool CanNameFiles(const std::string& name)
{
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
    });
}

std::string LastLine(const std::string& text)
{
    std::string lines = text;
    while (!lines.empty() && lines.back() == '\n') lines.pop_back();
    return lines.substr(lines.rfind('\n') + 1);
}

// The table's titles: the column of each known title, or a problem.
struct Titles {
    std::map<std::string, int> columns; // lower-case title -> sheet column
    std::vector<std::string> problems;
};

Titles ReadTitles(const MeteoSheet& sheet)
{
    Titles titles;
    for (int c = 1; c <= sheet.lastNonEmptyColumn(1); ++c) {
        const std::string title = LowerCase(Trimmed(sheet.cellText(1, c)));
        if (title.empty()) continue;
        if (title.starts_with("col_") && std::none_of(kColumnBoxNames.begin(), kColumnBoxNames.end(),
                                                      [&](const char* var) { return title.substr(4) == var; })) {
            titles.problems.push_back("line 1: " + Quoted(title) +
                                      " is not a column override: col_ takes " + ColumnBoxNameList());
            continue;
        }
        if (!titles.columns.emplace(title, c).second)
            titles.problems.push_back("line 1: the column " + Quoted(title) + " is there twice");
    }
    for (const char* needed : {"file", "lat", "alt", "wind_height"})
        if (!titles.columns.contains(needed)) titles.problems.push_back("line 1: no column " + Quoted(needed));
    return titles;
}

} // namespace

StationTable ReadStationTable(const std::string& path)
{
    StationTable table;
    const std::string tableName = std::filesystem::path(path).filename().string();
    const auto problem = [&](const std::string& text) { table.problems.push_back(tableName + " " + text); };

    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        table.problems.push_back("the table of stations " + path + " is not a file");
        return table;
    }
    Workbench read;
    std::ostringstream said;
    ConsoleUserInterface ui(said);
    ui.setOpenFile(path);
    if (!OpenFile(read, ui)) {
        table.problems.push_back("the table of stations cannot be read: " + LastLine(said.str()));
        return table;
    }
    const MeteoSheet& sheet = read.sheet;
    Titles titles = ReadTitles(sheet);
    for (const auto& text : titles.problems) problem(text);
    if (!table.problems.empty()) return table;

    const auto cell = [&](int row, const char* title) {
        const auto found = titles.columns.find(title);
        return found == titles.columns.end() ? std::string() : Trimmed(sheet.cellText(row, found->second));
    };
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::map<std::string, int> lineOfName; // lower case: folders of some systems do not tell case
    const int lastRow = sheet.lastNonEmptyRow();
    for (int r = 2; r <= lastRow; ++r) {
        if (sheet.lastNonEmptyColumn(r) == 0) continue; // a blank line between groups
        const std::string at = "line " + std::to_string(r) + ": ";
        StationRow row;
        row.line = r;
        const std::string file = cell(r, "file");
        row.file = folder / file;
        if (file.empty()) problem(at + "no file");
        else if (!std::filesystem::exists(row.file, ec)) problem(at + "the file " + Quoted(file) + " does not exist");
        else if (std::filesystem::is_directory(row.file, ec)) problem(at + "the file " + Quoted(file) + " is a folder");

        row.name = cell(r, "name");
        if (row.name.empty()) row.name = std::filesystem::path(file).stem().string();
        if (!CanNameFiles(row.name)) problem(at + "name " + Quoted(row.name) + " cannot name files");
        else if (const auto [seen, added] = lineOfName.emplace(LowerCase(row.name), r); !added)
            problem(at + "name " + Quoted(row.name) + " is also on line " + std::to_string(seen->second));

        const std::pair<const char*, std::string*> numbers[] = {
            {"lat", &row.latitude}, {"alt", &row.altitude}, {"wind_height", &row.windHeight}};
        for (const auto& [title, value] : numbers) {
            *value = cell(r, title);
            if (!value->empty() && !IsFiniteNumberText(*value))
                problem(at + title + " " + Quoted(*value) + " is not a number");
        }
        for (const UnitKind kind : kAllUnitKinds) {
            const std::string title = std::string(kUnitOptionNames[kind]) + "_unit";
            std::string* value = &row.units[kind];
            *value = cell(r, title.c_str());
            const UnitList list = UnitSelection::list(kind);
            if (!value->empty() && IndexOf(list, *value) < 0) {
                std::string choices;
                for (const UnitEntry& entry : list) choices += (choices.empty() ? "" : ", ") + Quoted(entry.text);
                problem(at + title + " " + Quoted(*value) + " is not one of " + choices);
            }
        }
        if (const std::string crop = cell(r, "crop"); !crop.empty()) {
            row.crop = folder / crop;
            if (!std::filesystem::is_regular_file(row.crop, ec)) problem(at + "the crop file " + Quoted(crop) + " is not a file");
        }
        for (const char* var : kColumnBoxNames) {
            const std::string text = cell(r, ("col_" + std::string(var)).c_str());
            if (!text.empty()) row.columns.push_back(std::string(var) + "=" + text);
        }
        table.rows.push_back(std::move(row));
    }
    if (table.rows.empty() && table.problems.empty()) problem("line 2: no station");
    return table;
}

} // namespace etp
