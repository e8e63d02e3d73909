#include "analysis/Summary.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "import/TextImport.h"
#include "workbench/Workbench.h"

namespace etp {

TEST(Summarize, MonthlyAndAnnualSumsAndMeans)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    std::string text = "DATE\tRAIN\tPenMon\tX\tPFAOsun\r\n";
    // 1 January to 28 February 1995, 1.5 mm of rain on odd days (24 in January), ET growing by
    // 0.1 mm a day (0.1 + ... + 5.9 = 177 in all).
    int days = 0;
    for (int month = 1; month <= 2; ++month)
        for (int day = 1; day <= (month == 1 ? 31 : 28); ++day) {
            char line[80];
            std::snprintf(line, sizeof line, "%02d/%02d/95\t%g\t%.1f\t7\t\r\n", day, month, day % 2 ? 1.5 : 0, 0.1 * ++days);
            text += line;
        }
    ReadTextLines(workbench.sheet, text);

    const Summary summary = Summarize(workbench);
    EXPECT_EQ(summary.labels, (std::vector<std::string>{"RAIN", "PenMon", "PFAOsun"}));
    ASSERT_EQ(summary.months.size(), 2u);
    EXPECT_NEAR(summary.years.at(0).sums[1], 177, 1e-9);
    EXPECT_EQ(summary.years[0].counts[2], 0); // PFAOsun holds no number

    // Only PFAOsun, empty throughout, gets a "missing" field; with no value at all it has no sum.
    const std::string table = SummaryText(summary);
    EXPECT_EQ(table.substr(0, table.find('\n')), "period\tdays\tRAIN sum\tRAIN mean\tPenMon sum\tPenMon mean\t"
                                                 "PFAOsun sum\tPFAOsun mean\tPFAOsun missing");
    EXPECT_NE(table.find("\n1995\t59\t"), std::string::npos);
    EXPECT_NE(table.find("1995-01\t31\t24.00\t0.77\t49.60\t1.60\t\t\t31\n"), std::string::npos) << table;
}

// Two Computes leave two "PenMon" columns: the summary names each by its column, in the
// window and in the saved text alike.
TEST(Summarize, RepeatedLabelsAreNamedByTheirColumns)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    ReadTextLines(workbench.sheet, "DATE\tPenMon\tRAIN\tP-T\tPenMon\r\n30/01/95\t1\t0\t2\t3\r\n");
    const Summary summary = Summarize(workbench);
    EXPECT_EQ(summary.labels, (std::vector<std::string>{"RAIN", "PenMon (col 2)", "P-T", "PenMon (col 5)"}));
    const std::string table = SummaryText(summary);
    EXPECT_EQ(table.substr(0, table.find('\n')), "period\tdays\tRAIN sum\tRAIN mean\tPenMon (col 2) sum\tPenMon (col 2) mean\t"
                                                 "P-T sum\tP-T mean\tPenMon (col 5) sum\tPenMon (col 5) mean");
}

// Rain recorded by leaving dry days empty: an empty rain cell is 0 mm, not a gap, and
// the mean stays over the cells holding a number. "n.d.", -999 and -9999 are gaps, in
// rain as in a result column. Estimated days are counted in the rightmost "Estimated"
// column (the first one here is an older one, full on every day).
TEST(Summarize, CountsMissingAndEstimatedDays)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    ReadTextLines(workbench.sheet, "DATE\tEstimated\tRAIN\tPenMon\tEstimated\r\n"
                                   "30/01/95\tx\t\t1.5\tRs from T range\r\n"
                                   "31/01/95\tx\t4\t2.5\t\r\n"
                                   "01/02/95\tx\tn.d.\t\twind 2 m/s\r\n"
                                   "02/02/95\tx\t1\t-999\tRs from sunshine, ea from Tmin\r\n"
                                   "03/02/95\tx\t-9999\t3\t\r\n");
    EXPECT_EQ(SummaryText(Summarize(workbench)),
              "period\tdays\testimated days\tRAIN sum\tRAIN mean\tRAIN missing\tPenMon sum\tPenMon mean\tPenMon missing\n"
              "1995-01\t2\t1\t4.00\t4.00\t0\t4.00\t2.00\t0\n"
              "1995-02\t3\t2\t1.00*\t1.00\t2\t3.00*\t3.00\t2\n"
              "1995\t5\t3\t5.00*\t2.50\t2\t7.00*\t2.33\t2\n"
              "\n"
              "* incomplete: the period misses days of that column (its \"missing\" days); sum and mean are over the "
              "days holding a value.\n"
              "estimated days: the days with an input Compute estimated (the \"Estimated\" cell is not empty).\n");
}

// A table made with other than the original formulas says so above its titles, one
// line per changed choice, in menu order.
TEST(SummaryText, NamesTheChangedMethodOptions)
{
    Workbench workbench;
    workbench.columns.set(ColumnBox::Date, "1");
    ReadTextLines(workbench.sheet, "DATE\tP-T\r\n01/07/95\t4\r\n");
    workbench.methodOptions.priestleyTaylorAlpha = 1.5;
    workbench.methodOptions.potentialRadiationUnit = PotentialRadiationUnit::MillimetresPerDay;
    const std::string text = SummaryText(Summarize(workbench));
    EXPECT_EQ(text.substr(0, text.find("period")), "option\tP-T alpha: 1.5\noption\tPotRad unit: mm/day (Ra x 0.408)\n");
    workbench.methodOptions = {};
    workbench.methodOptions.penMonSoilHeat = SoilHeatFlux::Zero;
    workbench.methodOptions.turcHumidity = TurcHumidity::Off;
    const std::string other = SummaryText(Summarize(workbench));
    EXPECT_EQ(other.substr(0, other.find("period")),
              "option\tPenMon soil heat flux: 0 (FAO-56 for daily steps)\noption\tTurc humidity correction: off\n");
}

} // namespace etp
