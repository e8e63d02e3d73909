#include "et/MethodAvailability.h"

#include <gtest/gtest.h>

#include <string>

namespace etp {

namespace {

ColumnMap Boxes(const char* radiation, const char* sunshine, const char* wind = "7")
{
    ColumnMap columns;
    columns.text = {"1", "2", "3", "4", "5", radiation, wind, sunshine};
    return columns;
}

// Enabled flags as a string of twelve 0/1, in method order.
std::string Enabled(const MethodSelection& methods)
{
    std::string flags;
    for (bool on : methods.enabled) flags += on ? '1' : '0';
    return flags;
}

} // namespace

// The boxes enabled by the radiation and sunshine columns; a failed check enables only PotRad.
TEST(OpenMethodDialog, EnablesByRadiationAndSunshine)
{
    ColumnMap noTmax = Boxes("6", "8");
    noTmax.text[ColumnBox::Tmax] = "?";
    struct Case { MethodDialog dialog; ColumnMap columns; ColumnCheck check; const char* enabled; };
    const Case cases[] = {
        {MethodDialog::Combination, Boxes("6", "8"), ColumnCheck::Passed, "111111000001"}, // all six and PotRad
        {MethodDialog::Combination, Boxes("0", "8"), ColumnCheck::Passed, "000001000001"}, // PFAOsun and PotRad
        {MethodDialog::Others, Boxes("0", "8"), ColumnCheck::Passed, "000000111111"},     // its own boxes whatever the radiation
        {MethodDialog::Combination, noTmax, ColumnCheck::VariableMissing, "000000000001"},
        {MethodDialog::Others, Boxes("0", "0"), ColumnCheck::NoRadiationOrSunshine, "000000000001"},
        {MethodDialog::Others, Boxes("6", "8", "?"), ColumnCheck::WindMissing, "000000000001"},
    };
    for (const auto& c : cases) {
        MethodSelection methods;
        EXPECT_EQ(OpenMethodDialog(c.dialog, c.columns, methods), c.check) << c.enabled;
        EXPECT_EQ(Enabled(methods), c.enabled) << c.columns.text[ColumnBox::Radiation] << ' ' << c.columns.text[ColumnBox::Sunshine];
    }
}

TEST(OpenMethodDialog, WindZeroPassesEnabledBoxesStayEnabledAndConfirmNeedsOwnBox)
{
    MethodSelection methods;
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "0", "0"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "001110010101"); // PFAOrad, PenMon, P-T; Turc, P-T extrad
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "8"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "111111010101");
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("0", "8"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "111111010101");

    // Confirming needs one of the dialog's own boxes.
    methods.checked[Method::Hargreaves] = true;
    const Outcome refused = ConfirmMethodDialog(MethodDialog::Combination, methods);
    EXPECT_EQ(refused.kind, Outcome::Kind::Refused);
    EXPECT_EQ(refused.message, "You should select at minimum one method");
    EXPECT_TRUE(ConfirmMethodDialog(MethodDialog::Others, methods).done());
    methods.checked[Method::PenFaoSunshine] = true;
    EXPECT_TRUE(ConfirmMethodDialog(MethodDialog::Combination, methods).done());
}

} // namespace etp
