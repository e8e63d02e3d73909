#include "et/MethodTable.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/SheetBuilder.h"

namespace etp {

TEST(FindEtColumns, ExactLabelsRightmostColumnAtMostSixMatches)
{
    MeteoSheet sheet;
    testing::SetRow(sheet, 1, "DATE\tPenMon\tpenmon\tPenMon \tP-T\tPenMon");
    EtColumns found = FindEtColumns(sheet);
    EXPECT_EQ(found.count, 3);
    EXPECT_EQ(found.labels, (std::vector<int>{3, 4, 3}));
    EXPECT_EQ(found.column[3], 6);
    EXPECT_EQ(found.column[4], 5);
    EXPECT_EQ(found.column[1], 0);

    MeteoSheet many;
    for (int c = 1; c <= 8; ++c) many.setCellText(1, c, c == 8 ? "PFAOrad" : "PenFAO");
    found = FindEtColumns(many);
    EXPECT_EQ(found.count, 6);
    EXPECT_EQ(found.labels.size(), 6u);
    EXPECT_EQ(found.column[1], 6); // the seventh match is ignored
    EXPECT_EQ(found.column[5], 0);
}

} // namespace etp
