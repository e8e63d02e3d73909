#include "et/MethodTable.h"

#include <gtest/gtest.h>

namespace etp {

// Lists name a column by its label; a label carried by two listed columns (Compute run
// twice) is named with the column each time, whatever lies between them.
TEST(ColumnNames, ARepeatedLabelIsToldApartByItsColumn)
{
    EXPECT_EQ(ColumnName("PenMon", 12), "PenMon (col 12)");
    const std::vector<TitledColumn> columns = {
        {"RAIN", 9}, {"PenMon", 10}, {"P-T", 11}, {"PenMon", 12}, {"P-T extrad", 13}, {"PenMon", 30}};
    EXPECT_EQ(ColumnNames(columns), (std::vector<std::string>{"RAIN", "PenMon (col 10)", "P-T", "PenMon (col 12)",
                                                              "P-T extrad", "PenMon (col 30)"}));
    EXPECT_TRUE(ColumnNames({}).empty());
}

} // namespace etp
