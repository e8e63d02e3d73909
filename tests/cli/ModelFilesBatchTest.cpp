#include "cli/RunBatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>

#include "sheet/NumericValue.h"
#include "support/TempDir.h"

namespace etp {

namespace {

using testing::ReadFile;
using testing::TempDir;

struct Run {
    int status;
    std::string err;
};

Run Etp(std::vector<std::string> args)
{
    args.insert(args.begin(), "etp");
    std::ostringstream out, err;
    const int status = RunBatch(args, out, err);
    return {status, err.str()};
}

const std::string kStation = ETP_SOURCE_DIR "/samples/station.txt";

// A day of the saved sheet: the date and the values the files are made of.
struct SheetDay {
    std::string date;
    double tmin, tmax, radiation, rain, et;
};

std::vector<SheetDay> SavedSheet(const std::string& path)
{
    std::vector<SheetDay> days;
    std::istringstream in(ReadFile(path));
    std::string line;
    std::getline(in, line); // titles: DATE TMIN TMAX RHMIN RHMAX RAD WIND ELIOF RAIN PenMon
    EXPECT_EQ(line, "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\tPenMon\r");
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line.substr(0, line.size() - 1));
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        days.push_back({cells[0], NumericValue(cells[1]), NumericValue(cells[2]), NumericValue(cells[5]),
                        NumericValue(cells[8]), NumericValue(cells[9])});
    }
    return days;
}

// A fixed-width field: characters [first, first + width) of a line.
double Field(const std::string& line, std::size_t first, std::size_t width)
{
    EXPECT_GE(line.size(), first + width) << '"' << line << '"';
    return NumericValue(line.substr(first, width));
}

std::vector<std::string> Lines(const std::string& text, const std::string& end)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size())
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

// Day of the year with February always of 28 days, from the calendar.
int DayOfYear365(const std::string& date)
{
    using namespace std::chrono;
    const year_month_day day{year{2000 + std::stoi(date.substr(6, 2))}, month{unsigned(std::stoi(date.substr(3, 2)))},
                             std::chrono::day{unsigned(std::stoi(date.substr(0, 2)))}};
    const auto ordinal = static_cast<int>((sys_days{day} - sys_days{day.year() / January / 1}).count()) + 1;
    return ordinal - (day.year().is_leap() && day.month() >= March ? 1 : 0);
}

class ModelFilesBatch : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        const auto run = Etp({kStation, "--lat", "44.5", "--alt", "120", "--wind-height", "10", "--rad-unit", "MJ m^-2",
                              "--method", "PenMon", "--leachm-rain", file("a.rn"), "--leachm-etp", file("a.etp"),
                              "--macro-rain", file("m.rn"), "--macro-etp", file("m.etp"), "--creams-tr", file("c.tr"),
                              "--creams-rain", file("c.rn"), "-o", file("sheet.txt")});
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.err, "");
        days_ = new std::vector<SheetDay>(SavedSheet(file("sheet.txt")));
    }
    static void TearDownTestSuite()
    {
        delete days_;
        delete dir_;
    }
    static std::string file(const std::string& name) { return dir_->file(name); }
    static const std::vector<SheetDay>& days() { return *days_; }

private:
    static inline TempDir* dir_ = nullptr;
    static inline std::vector<SheetDay>* days_ = nullptr;
};

} // namespace

TEST_F(ModelFilesBatch, TheSheetHoldsTheSampleStation)
{
    ASSERT_EQ(days().size(), 731u);
    EXPECT_EQ(days().front().date, "01/01/19");
    EXPECT_GT(days()[180].et, 3);
}

// 'yymmdd', then the day's value in 5 characters with one decimal.
TEST_F(ModelFilesBatch, MacroFilesReadBack)
{
    for (const auto& [name, rain] : {std::pair{"m.rn", true}, std::pair{"m.etp", false}}) {
        const auto lines = Lines(ReadFile(file(name)), "\r\n");
        ASSERT_EQ(lines.size(), days().size() + 1) << name;
        for (std::size_t i = 0; i < days().size(); ++i) {
            const std::string& line = lines[i];
            const SheetDay& day = days()[i];
            ASSERT_EQ(line.size(), 19u) << name << " line " << i + 1;
            EXPECT_EQ(line.substr(0, 8), "'" + day.date.substr(6, 2) + day.date.substr(3, 2) + day.date.substr(0, 2) + "'");
            EXPECT_EQ(line.substr(8, 2) + line.substr(15), "      ");
            EXPECT_NEAR(Field(line, 10, 5), rain ? day.rain : day.et, 0.05 + 1e-9) << name << " line " << i + 1;
        }
    }
}

TEST_F(ModelFilesBatch, LeachmRainFileReadsBack)
{
    const auto lines = Lines(ReadFile(file("a.rn")), "\r\n");
    std::size_t n = 0;
    for (const SheetDay& day : days()) {
        if (!(day.rain > 0)) continue;
        ASSERT_LT(n, lines.size());
        const std::string& line = lines[n++];
        EXPECT_EQ(line.substr(0, 6), day.date.substr(0, 2) + day.date.substr(3, 2) + day.date.substr(6, 2));
        EXPECT_EQ(line.substr(11, 3), "0.2");
        EXPECT_NEAR(Field(line, 18, 5), day.rain, 0.05 + 1e-9) << day.date;
        EXPECT_NEAR(Field(line, 27, 5), 3 * day.rain, 0.05 + 1e-9) << day.date;
        EXPECT_EQ(line.substr(32), "     0      0.1      1           ");
    }
    ASSERT_EQ(lines.size(), n + 2);
    EXPECT_EQ(lines[n], "THERE ARE  " + std::to_string(n) + " RAINY DAYS");
}

// Week number, 7 x mean daily ET, 0, mean temperature, mean daily range.
TEST_F(ModelFilesBatch, LeachmWeeklyFileReadsBack)
{
    struct Sums {
        int days = 0;
        double et = 0, temperature = 0, range = 0;
    };
    std::map<int, Sums> weeks;
    for (const SheetDay& day : days()) {
        const int dayNumber = (std::stoi(day.date.substr(6, 2)) - 19) * 365 + DayOfYear365(day.date);
        Sums& week = weeks[(dayNumber - 1) / 7 + 1];
        ++week.days;
        week.et += day.et;
        week.temperature += (day.tmin + day.tmax) / 2;
        week.range += day.tmax - day.tmin;
    }
    const auto lines = Lines(ReadFile(file("a.etp")), "\r\n");
    ASSERT_EQ(lines.size(), weeks.rbegin()->first + 1u);
    for (const auto& [w, sums] : weeks) {
        const std::string& line = lines[static_cast<std::size_t>(w - 1)];
        EXPECT_EQ(Field(line, 0, 3), w);
        EXPECT_NEAR(Field(line, 7, 5), sums.et / sums.days * 7, 0.05 + 1e-4) << "week " << w;
        EXPECT_EQ(line.substr(16, 1), "0");
        // A negative mean drops the leading zeros and the trailing blank of its field, so
        // the range is read from the end of the line.
        EXPECT_NEAR(Field(line, 21, line.size() - 30), sums.temperature / sums.days, 0.05 + 1e-4) << "week " << w;
        EXPECT_EQ(line.substr(line.size() - 9, 4), "    ");
        EXPECT_NEAR(Field(line, line.size() - 5, 5), sums.range / sums.days, 0.05 + 1e-4) << "week " << w;
    }
}

// 24 monthly temperatures [°F], then 24 monthly radiation values [langley], 8
// characters each, in lines of 10 and 2 ended by CR CR LF.
TEST_F(ModelFilesBatch, CreamsTemperatureRadiationFileReadsBack)
{
    std::vector<double> fields;
    const auto lines = Lines(ReadFile(file("c.tr")), "\r\r\n");
    ASSERT_EQ(lines.size(), 9u);
    for (std::size_t i = 0; i < 8; ++i) {
        ASSERT_EQ(lines[i].size(), i % 2 ? 16u : 80u) << "line " << i + 1;
        for (std::size_t at = 0; at < lines[i].size(); at += 8) fields.push_back(Field(lines[i], at, 8));
    }
    std::map<int, std::pair<int, std::pair<double, double>>> months; // month number -> days, sums
    for (const SheetDay& day : days()) {
        auto& month = months[(std::stoi(day.date.substr(6, 2)) - 19) * 12 + std::stoi(day.date.substr(3, 2))];
        ++month.first;
        month.second.first += (day.tmin + day.tmax) / 2;
        month.second.second += day.radiation;
    }
    ASSERT_EQ(months.size(), 24u);
    for (const auto& [m, month] : months) {
        const auto [count, sums] = month;
        EXPECT_NEAR(fields[m - 1], sums.first / count * 9 / 5 + 32, 0.05 + 1e-4) << "month " << m;
        EXPECT_NEAR(fields[24 + m - 1], sums.second / count * 24.072, 0.05 + 1e-3) << "month " << m;
    }
}

// Inches with two decimals, 5 characters a day, after 10 blanks; a year of fields is
// 36 lines of ten and one of five, then the second year breaks at 375, 385, ...
TEST_F(ModelFilesBatch, CreamsRainFileReadsBack)
{
    const auto lines = Lines(ReadFile(file("c.rn")), "\r\r\n");
    std::vector<double> fields;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const bool last = i + 1 == lines.size();
        ASSERT_EQ(line.substr(0, 10), std::string(10, ' '));
        if (!last) {
            ASSERT_EQ(line.substr(line.size() - 20), std::string(20, ' ')) << "line " << i + 1;
        }
        const std::string body = line.substr(10, line.size() - (last ? 10 : 30));
        for (std::size_t at = 0; at < body.size(); at += 5) fields.push_back(Field(body, at, 5));
    }
    // 29/02/20 and 01/03/20 share a day number: both are written, with no filler anywhere.
    ASSERT_EQ(fields.size(), days().size());
    for (std::size_t i = 0; i < days().size(); ++i)
        EXPECT_NEAR(fields[i], days()[i].rain / 25.4, 0.005 + 1e-9) << days()[i].date;
    EXPECT_EQ(lines.size(), 37u + 36u + 1u + 1u);
    EXPECT_EQ(lines[36].size(), 10u + 25u + 20u);
    EXPECT_EQ(lines.back(), std::string(10, ' ') + lines.back().substr(10, 5));
}

TEST(ModelFilesBatchOptions, UsageErrorsExitTwoBeforeAnythingIsRead)
{
    TempDir dir;
    const auto output = dir.file("m.rn");
    const std::vector<std::vector<std::string>> cases = {
        {"--leachm-et", "Hargr."},        {"--macro-et", "penmon"},        {"--leachm-dates", "yymmdd"},
        {"--leachm-n", "0,0.1"},          {"--leachm-n", "0,a,1"},         {"--leachm-n", "0,0.1,1,2"},
        {"--creams-tr", dir.file("*.tr")}, {"--leachm-rain", "a?.rn"},     {"--macro-etp"},
    };
    for (const auto& args : cases) {
        std::vector<std::string> all = {"missing-input.txt", "--macro-rain", output};
        all.insert(all.end(), args.begin(), args.end());
        const auto run = Etp(all);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find(args[0]), std::string::npos) << args[0] << ": " << run.err;
        EXPECT_EQ(run.err.find("il file non esiste"), std::string::npos) << "the input was looked at";
        EXPECT_FALSE(std::filesystem::exists(output));
    }
    std::ostringstream out, err;
    RunBatch({"etp", "--help"}, out, err);
    for (const char* option : {"--creams-tr", "--creams-rain", "--leachm-rain", "--leachm-etp", "--leachm-et",
                               "--leachm-dates", "--leachm-n", "--macro-rain", "--macro-etp", "--macro-et"})
        EXPECT_NE(out.str().find(option), std::string::npos) << option;
}

TEST(ModelFilesBatchOptions, EtFilesWithoutTheirColumnEndTheRun)
{
    TempDir dir;
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
        std::vector<std::string> written;
    } cases[] = {
        {{"--leachm-rain", dir.file("a.rn"), "--macro-rain", dir.file("m.rn")}, 0, "", {"a.rn", "m.rn"}},
        {{"--leachm-rain", dir.file("a.rn"), "--leachm-etp", dir.file("a.etp"), "--macro-rain", dir.file("m.rn")},
         1,
         "You dont have computed the ETP!!\n",
         {"a.rn"}},
        {{"--method", "P-T", "--macro-etp", dir.file("m.etp"), "--macro-et", "PenMon"}, 1, "You dont have computed the ETP!!\n", {}},
        {{"--method", "P-T", "--method", "PenMon", "--macro-etp", dir.file("m.etp"), "--macro-et", "P-T",
          "--leachm-etp", dir.file("a.etp")},
         0,
         "",
         {"a.etp", "m.etp"}},
    };
    for (const auto& [args, status, err, written] : cases) {
        for (const char* name : {"a.rn", "a.etp", "m.rn", "m.etp"}) std::filesystem::remove(dir.file(name));
        std::vector<std::string> all = {kStation, "--lat", "44.5", "--alt", "120"};
        all.insert(all.end(), args.begin(), args.end());
        const auto run = Etp(all);
        EXPECT_EQ(run.status, status) << args[0];
        EXPECT_EQ(run.err, err) << args[0];
        for (const char* name : {"a.rn", "a.etp", "m.rn", "m.etp"})
            EXPECT_EQ(std::filesystem::exists(dir.file(name)),
                      std::find(written.begin(), written.end(), name) != written.end())
                << args[0] << ": " << name;
    }
    // The ET file of the last case was read from the P-T column (column 10), not PenMon (11):
    // a 30 June of the same file from PenMon differs.
    const auto penMon = Etp({kStation, "--lat", "44.5", "--alt", "120", "--method", "P-T", "--method", "PenMon",
                             "--macro-etp", dir.file("p.etp"), "--macro-et", "PenMon"});
    ASSERT_EQ(penMon.status, 0) << penMon.err;
    const auto fromPt = Lines(ReadFile(dir.file("m.etp")), "\r\n");
    const auto fromPenMon = Lines(ReadFile(dir.file("p.etp")), "\r\n");
    ASSERT_GT(fromPt.size(), 180u);
    ASSERT_EQ(fromPt.size(), fromPenMon.size());
    EXPECT_EQ(fromPt[180].substr(0, 8), "'190630'");
    EXPECT_NE(fromPt[180], fromPenMon[180]);
}

TEST(ModelFilesBatchOptions, DateFormatAndNitrogenOfTheLeachmRainFile)
{
    TempDir dir;
    const auto run = Etp({kStation, "--leachm-rain", dir.file("a.rn"), "--leachm-dates", "day", "--leachm-n", "2,.5,-1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto first = Lines(ReadFile(dir.file("a.rn")), "\r\n")[0];
    EXPECT_EQ(first.substr(0, 14), "     2        ") << first; // 02/01/19 is the first rainy day
    EXPECT_EQ(first.substr(35), "     2      0.5     -1           ");
}

// A message ends the pipeline: no later file, and not the sheet either.
TEST(ModelFilesBatchOptions, NoRainColumnStopsAtTheFirstRainFile)
{
    TempDir dir;
    std::string text = ReadFile(kStation);
    text.replace(text.find("RAIN"), 4, "WATR");
    const auto input = dir.write("dry.txt", text);
    const auto run = Etp({input, "--creams-tr", dir.file("c.tr"), "--creams-rain", dir.file("c.rn"), "--macro-rain",
                          dir.file("m.rn"), "-o", dir.file("sheet.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "No rain in data sheet\n");
    EXPECT_TRUE(std::filesystem::exists(dir.file("c.tr")));
    for (const char* name : {"c.rn", "m.rn", "sheet.txt"}) EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
}

} // namespace etp
