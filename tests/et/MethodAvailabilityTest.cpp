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

TEST(OpenMethodDialog, EnablesByRadiationAndSunshine)
{
    struct Case {
        MethodDialog dialog;
        const char* radiation;
        const char* sunshine;
        const char* enabled;
    };
    const Case cases[] = {
        {MethodDialog::Combination, "6", "8", "111111000001"}, // all six and PotRad
        {MethodDialog::Combination, "0", "8", "000000000001"}, // PotRad only, the dialog stays
        {MethodDialog::Others, "0", "8", "000000111111"},      // its own boxes whatever the radiation
    };
    for (const auto& c : cases) {
        MethodSelection methods;
        EXPECT_EQ(OpenMethodDialog(c.dialog, Boxes(c.radiation, c.sunshine), methods), ColumnCheck::Passed);
        EXPECT_EQ(Enabled(methods), c.enabled) << c.radiation << ' ' << c.sunshine;
    }
}

TEST(OpenMethodDialog, FailedChecksEnableNothing)
{
    ColumnMap noTmax = Boxes("6", "8");
    noTmax.text[ColumnBox::Tmax] = "?";
    const std::pair<ColumnMap, ColumnCheck> cases[] = {
        {noTmax, ColumnCheck::VariableMissing},
        {Boxes("0", "0"), ColumnCheck::NoRadiationOrSunshine},
        {Boxes("?", "0"), ColumnCheck::NoRadiationOrSunshine},
        {Boxes("6", "8", "?"), ColumnCheck::WindMissing},
    };
    for (const auto& [columns, check] : cases)
        for (const auto dialog : {MethodDialog::Combination, MethodDialog::Others}) {
            MethodSelection methods;
            EXPECT_EQ(OpenMethodDialog(dialog, columns, methods), check);
            EXPECT_EQ(Enabled(methods), "000000000001");
        }
}

TEST(OpenMethodDialog, WindZeroPassesAndEnabledBoxesStayEnabled)
{
    MethodSelection methods;
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "0", "0"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "001110010101"); // PFAOrad, PenMon, P-T; Turc, P-T extrad
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "8"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "111111010101");
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("0", "8"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "111111010101");
}

TEST(ConfirmMethodDialog, NeedsOneOfItsOwnBoxes)
{
    MethodSelection methods;
    methods.checked[Method::Hargreaves] = true;
    const Outcome refused = ConfirmMethodDialog(MethodDialog::Combination, methods);
    EXPECT_EQ(refused.kind, Outcome::Kind::Refused);
    EXPECT_EQ(refused.message, "You should select at minimum one method");
    EXPECT_TRUE(ConfirmMethodDialog(MethodDialog::Others, methods).done());
    methods.checked[Method::PenFaoSunshine] = true;
    EXPECT_TRUE(ConfirmMethodDialog(MethodDialog::Combination, methods).done());
}

} // namespace etp
