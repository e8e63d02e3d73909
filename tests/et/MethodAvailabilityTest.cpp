#include "et/MethodAvailability.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "et/MethodTable.h"
#include "support/AvailabilityCases.h"
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

// The one rule: the columns and the estimates switched on give a method every input.
// Opening a method dialog enables exactly those methods, the other dialogs' too; an
// opening that does not pass its first checks enables PotRad alone.
TEST(MethodAvailability, FollowsTheColumnsAndEstimatesInEveryDialog)
{
    for (const testing::AvailabilityCase& c : testing::AvailabilityCases()) {
        std::string available;
        for (const MethodInfo& info : kMethods) {
            const Availability a = MethodAvailability(info.method, c.columns, c.estimates);
            available += a.available ? '1' : '0';
            EXPECT_EQ(a.reason.empty(), a.available) << c.name << ' ' << info.label;
        }
        EXPECT_EQ(available, c.available) << c.name;

        MethodSelection methods;
        for (bool& on : methods.enabled) on = true; // left by an earlier station
        const ColumnCheck check = OpenMethodDialog(c.columns, methods, c.estimates);
        EXPECT_EQ(check == ColumnCheck::Passed, c.dialogOpens) << c.name;
        EXPECT_EQ(Enabled(methods), c.dialogOpens ? c.available : "00000000000100") << c.name;
    }
}

// The reason names the variables and what their boxes hold.
TEST(MethodAvailability, ReasonNamesTheVariablesAndTheirBoxes)
{
    const std::tuple<Method, ColumnMap, const char*> cases[] = {
        {Method::PenFao, Boxes("6", "0"), "needs the sunshine column; box Suns. dur. is 0"},
        {Method::PenFao, Boxes("?", "?"), "needs the radiation and sunshine columns; box Rad. is ?, box Suns. dur. is ?"},
        {Method::PenMon, Boxes("6", "8", ""), "needs the wind column; box Wind is empty"},
        {Method::AsceShort, testing::Classic({{ColumnBox::RHmin, "0"}, {ColumnBox::RHmax, "?"}}),
         "needs the humidity column; box U.R. min is 0, box U.R. max is ?"},
        {Method::Hargreaves, testing::Classic({{ColumnBox::Tmin, "?"}}),
         "needs the minimum temperature column; box T° min is ?"},
    };
    for (const auto& [method, columns, reason] : cases)
        EXPECT_EQ(MethodAvailability(method, columns).reason, reason);
}

TEST(ConfirmMethodDialog, NeedsOneOfTheDialogsOwnBoxes)
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

// A disabled box's tooltip names what it needs: the boxes to fill and what they hold now.
// It is empty exactly when opening a method dialog enables the method.
TEST(ColumnsNeededText, NamesTheMissingBoxesAndAgreesWithTheOpening)
{
    ColumnMap noDate = Boxes("0", "0", "?");
    noDate.set(ColumnBox::Date, "?");
    const std::tuple<Method, ColumnMap, const char*> cases[] = {
        {Method::PenFaoSunshine, Boxes("6", "0"),
         "Needs the sunshine column: type its number in the box \"Suns. dur.\" (now \"0\")."},
        {Method::PenFaoNoCorrection, Boxes("6", "0"), ""},
        {Method::PenFao, Boxes("0", "?"),
         "Needs the radiation and sunshine columns: type their numbers in the boxes \"Rad.\" (now \"0\") and "
         "\"Suns. dur.\" (now \"?\")."},
        {Method::PenMon, Boxes("0", "8"), "Needs the radiation column: type its number in the box \"Rad.\" (now \"0\")."},
        {Method::Hargreaves, noDate,
         "Needs the date, wind and radiation or sunshine columns: type their numbers in the boxes \"Date\" (now \"?\"), "
         "\"Wind\" (now \"?\") and \"Rad.\" or \"Suns. dur.\" (now \"0\" and \"0\")."},
        {Method::Turc, Boxes("0", "8"), "Needs the radiation column: type its number in the box \"Rad.\" (now \"0\")."},
    };
    for (const auto& [method, columns, text] : cases) EXPECT_EQ(ColumnsNeededText(method, columns), text) << text;

    const char* texts[] = {"?", "0", "6"};
    for (const char* radiation : texts)
        for (const char* sunshine : texts)
            for (const char* wind : texts) {
                const ColumnMap columns = Boxes(radiation, sunshine, wind);
                MethodSelection opened;
                (void)OpenMethodDialog(columns, opened);
                for (const MethodInfo& info : kMethods)
                    EXPECT_EQ(ColumnsNeededText(info.method, columns).empty(), opened.enabled[info.method])
                        << info.label << " radiation " << radiation << " sunshine " << sunshine << " wind " << wind;
            }
}

// A variable the sheet has no column of counts as there when its estimate is on, and the
// check box says what will be estimated; humidity counts as there from any of its boxes.
TEST(OpenMethodDialog, EstimatesAndOtherHumiditiesEnableMethods)
{
    ColumnMap meteostat = Boxes("0", "8");
    meteostat.set(ColumnBox::RHmin, "?");
    meteostat.set(ColumnBox::RHmax, "?");
    MethodSelection methods;
    EXPECT_EQ(OpenMethodDialog(meteostat, methods), ColumnCheck::VariableMissing);
    EstimateSettings estimates;
    estimates.humidity = estimates.radiation = true;
    EXPECT_EQ(OpenMethodDialog(meteostat, methods, estimates), ColumnCheck::Passed);
    EXPECT_TRUE(methods.enabled[Method::PenMon]);
    EXPECT_EQ(EstimatesUsedText(Method::PenMon, meteostat, estimates),
              "Estimated on every day (Option > Missing data): radiation from the sunshine and humidity from T min.");
    EXPECT_EQ(EstimatesUsedText(Method::Hargreaves, meteostat, estimates), "");
    EXPECT_EQ(ColumnsNeededText(Method::PenMon, meteostat, estimates), "");

    ColumnMap dewPoint = Boxes("6", "0");
    dewPoint.set(ColumnBox::RHmin, "?");
    dewPoint.set(ColumnBox::RHmax, "?");
    dewPoint.set(ColumnBox::Tdew, "9");
    MethodSelection fromDewPoint;
    EXPECT_EQ(OpenMethodDialog(dewPoint, fromDewPoint), ColumnCheck::Passed);
    EXPECT_TRUE(fromDewPoint.enabled[Method::AsceShort]);
    EXPECT_EQ(EstimatesUsedText(Method::AsceShort, dewPoint, estimates), "");
}

} // namespace etp
