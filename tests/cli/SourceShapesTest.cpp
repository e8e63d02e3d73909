// One station year written the ways today's sources write it (other units, other
// humidity variables, dates in parts, a header block) gives, through the whole batch
// tool, the PenMon and "ASCE short" columns of the file in °C, RH min/max, MJ m-2 and
// m s-1, within 0.01 mm/day. Each shape is made here from the plain file by the
// definitions of the units and by FAO-56's own equations, written out in this file.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli/BatchRun.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::Etp;
using testing::TempDir;

// The columns of the plain file.
enum Column { kDate, kTmin, kTmax, kRHmin, kRHmax, kRad, kWind, kSun, kRain, kColumns };

struct Day {
    std::vector<std::string> cells;
    double value(Column c) const { return std::stod(cells[c]); }
};

struct Series {
    std::vector<std::string> titles;
    std::vector<Day> days;
};

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> cells;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    return cells;
}

Series ReadSeries(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    Series series;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (series.titles.empty()) series.titles = Split(line);
        else if (!line.empty()) series.days.push_back({Split(line)});
    }
    return series;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

// Saturation vapour pressure [kPa], FAO-56 Eq. 11, and its inverse (the dew point of a
// vapour pressure, Eq. 11 solved for T).
double E0(double T) { return 0.6108 * std::exp(17.27 * T / (T + 237.3)); }
double DewPoint(double ea)
{
    const double x = std::log(ea / 0.6108);
    return 237.3 * x / (17.27 - x);
}
// The day's actual vapour pressure from its extremes [kPa], FAO-56 Eq. 17.
double Ea(const Day& d) { return (E0(d.value(kTmin)) * d.value(kRHmax) + E0(d.value(kTmax)) * d.value(kRHmin)) / 200; }

// A shape: new titles and each day's new cells from the plain day, and the options that say so.
struct Shape {
    const char* name;
    std::vector<std::string> titles;
    std::function<std::vector<std::string>(const Day&)> cells;
    std::vector<std::string> options;
    std::string header; // lines before the titles; they give the station, which the options then do not
    // The same inputs in the program's units: the model files come out byte for byte the same.
    bool sameFiles = false;
};

// The plain cells with some replaced.
std::vector<std::string> With(const Day& d, std::initializer_list<std::pair<Column, double>> values)
{
    auto cells = d.cells;
    for (const auto& [c, value] : values) cells[c] = Number(value);
    return cells;
}

std::vector<std::string> Plain() { return {"DATE", "TMIN", "TMAX", "RHMIN", "RHMAX", "RAD", "WIND", "ELIOF", "RAIN"}; }

// The plain cells without the humidity extremes, and one humidity column in their place.
std::vector<std::string> HumidityAs(const Day& d, double value)
{
    return {d.cells[kDate], d.cells[kTmin], d.cells[kTmax], Number(value), d.cells[kRad], d.cells[kWind], d.cells[kSun], d.cells[kRain]};
}
std::vector<std::string> HumidityTitled(const char* title)
{
    return {"DATE", "TMIN", "TMAX", title, "RAD", "WIND", "ELIOF", "RAIN"};
}

// dd/mm/yy -> day, month, four-digit year.
std::array<int, 3> DateOf(const Day& d)
{
    int day = 0, month = 0, year = 0;
    std::sscanf(d.cells[kDate].c_str(), "%d/%d/%d", &day, &month, &year);
    if (year < 100) year += year < 30 ? 2000 : 1900;
    return {day, month, year};
}

int DayOfYear(int day, int month, int year)
{
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kBefore[month - 1] + day + (leap && month > 2 ? 1 : 0);
}

std::vector<std::string> WithoutDate(const Day& d) { return {d.cells.begin() + 1, d.cells.end()}; }

std::vector<Shape> Shapes(const std::string& latitude, const std::string& altitude)
{
    const auto F = [](double C) { return C * 9 / 5 + 32; };
    return {
        {"°F", Plain(), [F](const Day& d) { return With(d, {{kTmin, F(d.value(kTmin))}, {kTmax, F(d.value(kTmax))}}); },
         {"--temp-unit", "°F"}, {}},
        {"K", Plain(),
         [](const Day& d) { return With(d, {{kTmin, d.value(kTmin) + 273.15}, {kTmax, d.value(kTmax) + 273.15}}); },
         {"--temp-unit", "K"}, {}},
        // 1 mile = 1609.344 m.
        {"mph", Plain(), [](const Day& d) { return With(d, {{kWind, d.value(kWind) * 3600 / 1609.344}}); },
         {"--wind-unit", "mph"}, {}},
        {"km/h", Plain(), [](const Day& d) { return With(d, {{kWind, d.value(kWind) * 3.6}}); }, {"--wind-unit", "km h^-1"}, {}},
        {"kWh m-2", Plain(), [](const Day& d) { return With(d, {{kRad, d.value(kRad) / 3.6}}); }, {"--rad-unit", "kWh m^-2"}, {}},
        // A mean flux over the day: MJ m-2 d-1 x 1e6 J / 86400 s.
        {"W m-2", Plain(), [](const Day& d) { return With(d, {{kRad, d.value(kRad) * 1e6 / 86400}}); },
         {"--rad-unit", "watt m^-2"}, {}},
        {"dew point", HumidityTitled("DEW"), [](const Day& d) { return HumidityAs(d, DewPoint(Ea(d))); },
         {"--col", "tdew=4", "--col", "rhmin=0", "--col", "rhmax=0"}, {}},
        {"ea kPa", HumidityTitled("EA"), [](const Day& d) { return HumidityAs(d, Ea(d)); },
         {"--col", "ea=4", "--col", "rhmin=0", "--col", "rhmax=0"}, {}},
        {"ea hPa", HumidityTitled("EA"), [](const Day& d) { return HumidityAs(d, 10 * Ea(d)); },
         {"--col", "ea=4", "--col", "rhmin=0", "--col", "rhmax=0", "--ea-unit", "hPa"}, {}},
        // FAO-56 Eq. 19, ea = RHmean / 100 (e0(Tmax) + e0(Tmin)) / 2, solved for RHmean; a
        // NASA POWER title, found by auto finding.
        {"mean RH", HumidityTitled("RH2M"),
         [](const Day& d) { return HumidityAs(d, 200 * Ea(d) / (E0(d.value(kTmax)) + E0(d.value(kTmin)))); }, {}, {}},
        {"YEAR/DOY",
         {"YEAR", "DOY", "TMIN", "TMAX", "RHMIN", "RHMAX", "RAD", "WIND", "ELIOF", "RAIN"},
         [](const Day& d) {
             const auto [day, month, year] = DateOf(d);
             auto cells = WithoutDate(d);
             cells.insert(cells.begin(), {std::to_string(year), std::to_string(DayOfYear(day, month, year))});
             return cells;
         },
         {}, {}, true},
        {"YEAR/MONTH/DAY",
         {"YEAR", "MONTH", "DAY", "TMIN", "TMAX", "RHMIN", "RHMAX", "RAD", "WIND", "ELIOF", "RAIN"},
         [](const Day& d) {
             const auto [day, month, year] = DateOf(d);
             auto cells = WithoutDate(d);
             cells.insert(cells.begin(), {std::to_string(year), std::to_string(month), std::to_string(day)});
             return cells;
         },
         {}, {}, true},
        {"POWER header", Plain(), [](const Day& d) { return d.cells; }, {},
         "-BEGIN HEADER-\nNASA/POWER Daily Data\nLocation: Latitude  " + latitude + "   Longitude 5.18\n"
         "Elevation from MERRA-2: Average for 0.5 x 0.625 degree lat/lon region = " + altitude + " meters\n-END HEADER-\n",
         true},
    };
}

std::string Joined(const std::vector<std::string>& cells)
{
    std::string line;
    for (const auto& cell : cells) line += (line.empty() ? "" : "\t") + cell;
    return line + "\r\n";
}

// The cells of a result column of a saved sheet, by its title.
std::vector<std::string> ResultColumn(const std::string& saved, const std::string& title)
{
    std::istringstream in(saved);
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto titles = Split(line);
    const auto at = std::find(titles.begin(), titles.end(), title);
    std::vector<std::string> cells;
    if (at == titles.end()) return cells;
    const auto k = static_cast<std::size_t>(at - titles.begin());
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto row = Split(line);
        cells.push_back(k < row.size() ? row[k] : "");
    }
    return cells;
}

void ExpectShapesAgree(const std::filesystem::path& plain, const std::string& latitude, const std::string& altitude,
                       const std::string& windHeight)
{
    const Series series = ReadSeries(plain);
    ASSERT_GT(series.days.size(), 300U);
    ASSERT_EQ(series.titles, Plain());
    TempDir dir;
    const std::vector<std::string> methods = {"--method", "PenMon", "--method", "ASCE short"};
    const std::vector<std::string> modelFiles = {"--macro-rain", "m.rn", "--macro-etp", "m.etp", "--leachm-rain", "l.rn",
                                                 "--leachm-etp", "l.etp", "--creams-tr", "c.tr", "--creams-rain", "c.rn"};
    const auto files = [&] {
        std::string all;
        for (std::size_t k = 1; k < modelFiles.size(); k += 2) all += testing::ReadFile(dir.file(modelFiles[k])) + "\n--\n";
        return all;
    };
    const auto run = [&](const std::string& input, std::vector<std::string> options, bool station) {
        std::vector<std::string> args = {input, "-o", dir.file("out.txt"), "--wind-height", windHeight};
        for (std::size_t k = 0; k < modelFiles.size(); ++k) args.push_back(k % 2 ? dir.file(modelFiles[k]) : modelFiles[k]);
        if (station) args.insert(args.end(), {"--lat", latitude, "--alt", altitude});
        args.insert(args.end(), methods.begin(), methods.end());
        args.insert(args.end(), options.begin(), options.end());
        const auto result = Etp(args);
        EXPECT_EQ(result.status, 0) << input << "\n" << result.err;
        return testing::ReadFile(dir.file("out.txt"));
    };
    const std::string expected = run(plain.string(), {}, true);
    const std::string expectedFiles = files();
    ASSERT_GT(expectedFiles.size(), 10000U);
    for (const Shape& shape : Shapes(latitude, altitude)) {
        std::string text = shape.header + Joined(shape.titles);
        for (const Day& day : series.days) text += Joined(shape.cells(day));
        const std::string input = dir.write("shape.txt", text);
        const std::string saved = run(input, shape.options, shape.header.empty());
        if (shape.sameFiles) {
            EXPECT_EQ(files(), expectedFiles) << shape.name;
        }
        for (const char* method : {"PenMon", "ASCE short"}) {
            const auto want = ResultColumn(expected, method), got = ResultColumn(saved, method);
            ASSERT_EQ(got.size(), want.size()) << shape.name << " " << method;
            int compared = 0;
            for (std::size_t i = 0; i < want.size(); ++i) {
                ASSERT_EQ(got[i].empty(), want[i].empty()) << shape.name << " " << method << " day " << i + 1;
                if (want[i].empty()) continue;
                EXPECT_NEAR(std::stod(got[i]), std::stod(want[i]), 0.0100001) << shape.name << " " << method << " day " << i + 1;
                ++compared;
            }
            EXPECT_GT(compared, 300) << shape.name << " " << method;
        }
    }
}

} // namespace

TEST(SourceShapes, TheSampleStationInEveryShapeGivesItsResults)
{
    ExpectShapesAgree(std::filesystem::path(ETP_SOURCE_DIR) / "samples" / "station.txt", "44.5", "120", "10");
}

} // namespace etp
