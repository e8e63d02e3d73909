#include "cli/RunBatch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "support/TempDir.h"

namespace etp {

namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run Etp(std::vector<std::string> args, const ChartRenderer& chart = {})
{
    args.insert(args.begin(), "etp");
    std::ostringstream out, err;
    const int status = RunBatch(args, out, err, chart);
    return {status, out.str(), err.str()};
}

// June to September 1995 at 45°N: dry, warm, 5 mm of rain on 20 June.
std::string Summer()
{
    std::string text = "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n";
    static constexpr int kDays[] = {30, 31, 31, 30};
    for (int month = 6; month <= 9; ++month)
        for (int day = 1; day <= kDays[month - 6]; ++day) {
            char line[96];
            std::snprintf(line, sizeof line, "%02d/%02d/95\t15\t30\t35\t80\t24\t2\t11\t%s\r\n", day, month,
                          month == 6 && day == 20 ? "5" : "0");
            text += line;
        }
    return text;
}

} // namespace

TEST(BatchIrrigation, OnDemandThenMacroRainCarriesTheWater)
{
    testing::TempDir dir;
    const auto input = dir.write("summer.txt", Summer());
    const auto rain = dir.file("m.rn");
    const auto sheet = dir.file("out.txt");
    const auto run = Etp({input, "--lat", "45", "--alt", "100", "--method", "PenMon", "--on-demand",
                          "PenMon,06/06,09/09,50,75", "--macro-rain", rain, "-o", sheet});
    ASSERT_EQ(run.status, 0) << run.err;
    // Every application is listed on standard output.
    ASSERT_EQ(run.out.rfind("on-demand irrigation: ", 0), 0u) << run.out;
    const std::string first = run.out.substr(0, run.out.find('\n'));
    const std::string date = first.substr(22, 8);
    const double amount = std::stod(first.substr(31));
    EXPECT_GT(amount, 37.5);
    // The saved sheet and the MACRO rain file hold the water on that day.
    const std::string saved = testing::ReadFile(sheet);
    EXPECT_NE(saved.find(date), std::string::npos);
    const std::string macro = testing::ReadFile(rain);
    EXPECT_NE(macro.find(std::to_string(static_cast<int>(amount))), std::string::npos) << macro.substr(0, 400);
}

TEST(BatchIrrigation, TurnedListsItsApplications)
{
    testing::TempDir dir;
    const auto run = Etp({dir.write("summer.txt", Summer()), "--turned", "01/07,30/08,15,50,50,4"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "turned irrigation: 16/07/95 50 mm\nturned irrigation: 31/07/95 50 mm\n"
                       "turned irrigation: 15/08/95 50 mm\nturned irrigation: 30/08/95 50 mm\n");
}

TEST(BatchIrrigation, UsageErrorsAndMissingEt)
{
    testing::TempDir dir;
    const auto input = dir.write("summer.txt", Summer());
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {input, "--turned", "01/07,30/08,15,50,50"},
             {input, "--turned", "01/07,30/08,0,50,50,4"},
             {input, "--on-demand", "Hargr.,06/06,09/09,50,75"},
             {input, "--on-demand", "PenMon,06/06,09/09,50,175"},
             {input, "--strict"},
             {input, "--chart", dir.file("c.png")}, // no renderer in this build
         }) {
        const auto run = Etp(args);
        EXPECT_EQ(run.status, 2) << args[1] << ' ' << args[2];
        EXPECT_FALSE(run.err.empty());
    }
    const auto noEt = Etp({input, "--on-demand", "PenMon,06/06,09/09,50,75"});
    EXPECT_EQ(noEt.status, 1);
    EXPECT_EQ(noEt.err, "You dont have computed the ETP!!\n");
}

TEST(BatchAnalysis, CheckPrintsTheTableAndStrictStops)
{
    testing::TempDir dir;
    std::string text = Summer();
    text.replace(text.find("\t15\t30\t"), 7, "\t\t30\t"); // an empty T min on 1 June
    const auto input = dir.write("summer.txt", text);
    auto run = Etp({input, "--lat", "45", "--check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("T° min\tempty cell, read as 0\t1\t2\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("122 days checked, problems found"), std::string::npos);

    const auto output = dir.file("out.txt");
    run = Etp({input, "--lat", "45", "--check", "--strict", "--method", "PenMon", "-o", output});
    EXPECT_EQ(run.status, 3);
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(BatchAnalysis, SummaryAndChartFiles)
{
    testing::TempDir dir;
    const auto input = dir.write("summer.txt", Summer());
    const auto summary = dir.file("summary.txt");
    std::string drawnTo;
    const ChartRenderer chart = [&](const Workbench& workbench, const std::string& path, std::string&) {
        drawnTo = path + " " + std::string(workbench.sheet.cellText(1, 10));
        return true;
    };
    const auto run = Etp({input, "--lat", "45", "--method", "PenMon", "--summary", summary, "--chart",
                          dir.file("c.svg")}, chart);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(drawnTo, dir.file("c.svg") + " PenMon");
    const std::string table = testing::ReadFile(summary);
    EXPECT_EQ(table.rfind("period\tdays\tRAIN sum\tRAIN mean\tPenMon sum\tPenMon mean\n", 0), 0u);
    EXPECT_NE(table.find("\n1995-06\t30\t5.00\t0.17\t"), std::string::npos) << table;
    EXPECT_NE(table.find("\n1995\t122\t5.00\t"), std::string::npos);

    const ChartRenderer failing = [](const Workbench&, const std::string&, std::string& error) {
        error = "no room";
        return false;
    };
    const auto failed = Etp({input, "--chart", dir.file("c.png")}, failing);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "The chart " + dir.file("c.png") + " could not be drawn: no room.\n");
}

} // namespace etp
