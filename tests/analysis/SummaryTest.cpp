#include "analysis/Summary.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "import/TextImport.h"

namespace etp {

TEST(Summarize, MonthlyAndAnnualSumsAndMeans)
{
    Workbench workbench;
    workbench.columns.text[ColumnBox::Date] = "1";
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

    const std::string table = SummaryText(summary);
    EXPECT_EQ(table.substr(0, table.find('\n')),
              "period\tdays\tRAIN sum\tRAIN mean\tPenMon sum\tPenMon mean\tPFAOsun sum\tPFAOsun mean");
    EXPECT_NE(table.find("\n1995\t59\t"), std::string::npos);
    EXPECT_NE(table.find("1995-01\t31\t24.00\t0.77\t49.60\t1.60\t0.00\t\n"), std::string::npos) << table;
}

} // namespace etp
