#include "sheet/ColumnMap.h"

#include <gtest/gtest.h>

#include <utility>

namespace etp {

// A box names a column 1 to 100, rounded half to even, read again each time its text
// changes; "0" is assigned to no column.
TEST(ColumnMap, ColumnNumbersFromTheBoxTexts)
{
    ColumnMap columns;
    const std::pair<const char*, int> cases[] = {{" 12", 12}, {"?", 0}, {"2.5", 2}, {"3.5", 4}, {"-4", 0}, {"100", 100}, {"101", 0}};
    for (const auto& [text, column] : cases) {
        columns.set(ColumnBox::Wind, text);
        EXPECT_EQ(columns.column(ColumnBox::Wind), column) << text;
    }
    columns.set(ColumnBox::Wind, "0");
    EXPECT_TRUE(columns.assigned(ColumnBox::Wind));
    EXPECT_FALSE(columns.available(ColumnBox::Wind));
}

} // namespace etp
