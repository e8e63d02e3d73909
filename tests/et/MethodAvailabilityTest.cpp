#include "et/MethodAvailability.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "et/MethodTable.h"
#include "support/SheetBuilder.h"

namespace etp {

namespace {

ColumnMap Boxes(const char* radiation, const char* sunshine, const char* wind = "7")
{
    ColumnMap columns;
    columns = testing::BoxesOf({"1", "2", "3", "4", "5", radiation, wind, sunshine});
    return columns;
}

// Enabled flags as a string of fourteen 0/1, in method order.
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
        {MethodDialog::Combination, Boxes("6", "8"), ColumnCheck::Passed, "11111100000100"}, // all six and PotRad
        {MethodDialog::Combination, Boxes("0", "8"), ColumnCheck::Passed, "00000100000100"}, // PFAOsun and PotRad
        {MethodDialog::Others, Boxes("0", "8"), ColumnCheck::Passed, "00000011111100"},     // its own boxes whatever the radiation
        {MethodDialog::Combination, noTmax, ColumnCheck::VariableMissing, "00000000000100"},
        {MethodDialog::Others, Boxes("0", "0"), ColumnCheck::NoRadiationOrSunshine, "00000000000100"},
        {MethodDialog::Others, Boxes("6", "8", "?"), ColumnCheck::WindMissing, "00000000000100"},
        {MethodDialog::Standard, Boxes("6", "0"), ColumnCheck::Passed, "00000000000111"}, // radiation: its two boxes
        {MethodDialog::Standard, Boxes("0", "8"), ColumnCheck::Passed, "00000000000100"}, // sunshine alone: none
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
    EXPECT_EQ(Enabled(methods), "00111001010100"); // PFAOrad, PenMon, P-T; Turc, P-T extrad
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("6", "8"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "11111101010100");
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, Boxes("0", "8"), methods), ColumnCheck::Passed);
    EXPECT_EQ(Enabled(methods), "11111101010100");

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

namespace etp {

// A disabled box's tooltip names what it needs: the boxes to fill and what they hold now.
// It is empty exactly when opening the three dialogs would enable the method.
TEST(ColumnsNeededText, NamesTheMissingBoxesAndAgreesWithTheOpenings)
{
    ColumnMap noDate = Boxes("0", "0", "?");
    noDate.text[ColumnBox::Date] = "?";
    const std::tuple<Method, ColumnMap, const char*> cases[] = {
        {Method::PenFaoNoCorrection, Boxes("6", "0"),
         "Needs the sunshine column: type its number in the box \"Suns. dur.\" (now \"0\")."},
        {Method::PenFao, Boxes("0", "?"),
         "Needs the radiation and sunshine columns: type their numbers in the boxes \"Rad.\" (now \"0\") and "
         "\"Suns. dur.\" (now \"?\")."},
        {Method::PenMon, Boxes("0", "8"), "Needs the radiation column: type its number in the box \"Rad.\" (now \"0\")."},
        {Method::Hargreaves, noDate,
         "Needs the date, wind and radiation or sunshine columns: type their numbers in the boxes \"Date\" (now \"?\"), "
         "\"Wind\" (now \"?\") and \"Rad.\" or \"Suns. dur.\" (now \"0\" and \"0\")."},
        {Method::Turc, Boxes("0", "8"), ""}, // the others dialog enables it whatever the radiation box holds
    };
    for (const auto& [method, columns, text] : cases) EXPECT_EQ(ColumnsNeededText(method, columns), text) << text;

    const char* texts[] = {"?", "0", "6"};
    for (const char* radiation : texts)
        for (const char* sunshine : texts)
            for (const char* wind : texts) {
                const ColumnMap columns = Boxes(radiation, sunshine, wind);
                MethodSelection opened;
                opened.enabled = {}; // what the openings enable, PotRad's start aside
                for (const MethodDialog dialog : {MethodDialog::Combination, MethodDialog::Others, MethodDialog::Standard})
                    (void)OpenMethodDialog(dialog, columns, opened);
                for (const MethodInfo& info : kMethods)
                    EXPECT_EQ(ColumnsNeededText(info.method, columns).empty(), opened.enabled[info.method])
                        << info.label << " radiation " << radiation << " sunshine " << sunshine << " wind " << wind;
            }
}

} // namespace etp

namespace etp {

// A variable the sheet has no column of counts as there when its estimate is on, and the
// check box says what will be estimated; humidity counts as there from any of its boxes.
TEST(OpenMethodDialog, EstimatesAndOtherHumiditiesEnableMethods)
{
    ColumnMap meteostat = Boxes("0", "8");
    meteostat.text[ColumnBox::RHmin] = meteostat.text[ColumnBox::RHmax] = "?";
    MethodSelection methods;
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, meteostat, methods), ColumnCheck::VariableMissing);
    EstimateSettings estimates;
    estimates.humidity = estimates.radiation = true;
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Combination, meteostat, methods, estimates), ColumnCheck::Passed);
    EXPECT_TRUE(methods.enabled[Method::PenMon]);
    EXPECT_EQ(EstimatesUsedText(Method::PenMon, meteostat, estimates),
              "Estimated on every day (Option > Missing data): radiation from the sunshine and humidity from T min.");
    EXPECT_EQ(EstimatesUsedText(Method::Hargreaves, meteostat, estimates), "");
    EXPECT_EQ(ColumnsNeededText(Method::PenMon, meteostat, estimates), "");

    ColumnMap dewPoint = Boxes("6", "0");
    dewPoint.text[ColumnBox::RHmin] = dewPoint.text[ColumnBox::RHmax] = "?";
    dewPoint.text[ColumnBox::Tdew] = "9";
    MethodSelection fromDewPoint;
    EXPECT_EQ(OpenMethodDialog(MethodDialog::Standard, dewPoint, fromDewPoint), ColumnCheck::Passed);
    EXPECT_TRUE(fromDewPoint.enabled[Method::AsceShort]);
    EXPECT_EQ(EstimatesUsedText(Method::AsceShort, dewPoint, estimates), "");
}

} // namespace etp
