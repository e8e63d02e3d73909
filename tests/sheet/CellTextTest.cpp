#include "sheet/CellText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace etp {

namespace {

std::string Number(double value)
{
    CellTextBuffer buffer;
    return std::string(NumberCellText(value, buffer));
}

std::string Shown(double value, ValueFormat format, bool date1904 = false)
{
    CellTextBuffer buffer;
    return std::string(ValueCellText(value, format, date1904, buffer));
}

} // namespace

TEST(NumberCellText, FifteenSignificantDigitsPointAndNoGrouping)
{
    const std::pair<double, const char*> cases[] = {
        {12.5, "12.5"}, {0.1, "0.1"}, {1500, "1500"}, {-3.2, "-3.2"}, {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"}, {-2.0 / 3, "-0.666666666666667"},
        {1234567.891, "1234567.891"}, {100.25, "100.25"},
        {0.1234567890123456, "0.123456789012346"}, // 16 digits: rounded to 15
        {123456789012345.6, "123456789012346"},    // 16 digits before the point
        {999999999999999, "999999999999999"},       // the largest whole number shown whole
        {-0.0, "0"}, {0, "0"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(Number(value), expected) << value;
}

// Beyond 1e15 and below 1e-4 a spreadsheet's general format switches to an exponent.
TEST(NumberCellText, ExponentOnlyOutsideOrdinaryMagnitudes)
{
    const std::pair<double, const char*> cases[] = {
        {1e15, "1E+15"}, {999999999999999.9, "1E+15"}, {-1e20, "-1E+20"}, {1.2345678901234567e17, "1.23456789012346E+17"},
        {0.0001, "0.0001"}, {0.00012345, "0.00012345"}, {0.00001, "1E-05"}, {1.234e-5, "1.234E-05"},
        {1e-300, "1E-300"}, {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(Number(value), expected) << value;
}

TEST(NumberCellText, ValuesNoSheetHoldsAreAnError)
{
    EXPECT_EQ(Number(std::numeric_limits<double>::quiet_NaN()), "#NUM!");
    EXPECT_EQ(Number(std::numeric_limits<double>::infinity()), "#NUM!");
    EXPECT_EQ(Number(-std::numeric_limits<double>::infinity()), "#NUM!");
}

// The model writers read day, month and two-digit year by character position.
TEST(ValueCellText, DatesAreTwoDigitDayMonthYear)
{
    const std::pair<double, const char*> cases[] = {
        {1, "01/01/00"},      {59, "28/02/00"},  {60, "29/02/00"}, // the 1900 system's own leap day
        {61, "01/03/00"},     {0, "00/01/00"},   {35065, "01/01/96"}, {36526, "01/01/00"},
        {34700, "01/01/95"},  {34758, "28/02/95"}, {2958465, "31/12/99"},
        {35065.75, "01/01/96"},                  // a date-time shows its date
        {35065.999999995, "02/01/96"},            // within half a millisecond of midnight
    };
    for (const auto& [serial, expected] : cases) EXPECT_EQ(Shown(serial, ValueFormat::Date), expected) << serial;
}

TEST(ValueCellText, The1904SystemCountsFromItsFirstDay)
{
    EXPECT_EQ(Shown(0, ValueFormat::Date, true), "01/01/04");
    EXPECT_EQ(Shown(35064, ValueFormat::Date, true), "01/01/00");
    EXPECT_EQ(Shown(1461, ValueFormat::Date, true), "01/01/08");
    EXPECT_EQ(Shown(2957003, ValueFormat::Date, true), "31/12/99");
}

TEST(ValueCellText, DatesNoCalendarHoldsShowAsNumbers)
{
    EXPECT_EQ(Shown(-1, ValueFormat::Date), "-1");
    EXPECT_EQ(Shown(2958466, ValueFormat::Date), "2958466");
    EXPECT_EQ(Shown(2957004, ValueFormat::Date, true), "2957004");
    EXPECT_EQ(Shown(1e300, ValueFormat::Time), "1E+300");
    EXPECT_EQ(Shown(std::nan(""), ValueFormat::Date), "#NUM!");
}

TEST(ValueCellText, TimesRoundSecondsAndCutMinutes)
{
    const double second = 1.0 / 86400;
    EXPECT_EQ(Shown(0.5625, ValueFormat::Time), "13:30");
    EXPECT_EQ(Shown(35065.5625, ValueFormat::Time), "13:30"); // the time of a date-time
    EXPECT_EQ(Shown(0.5 + second, ValueFormat::TimeWithSeconds), "12:00:01");
    const double late = (10 * 3600 + 29 * 60 + 59.6) * second;
    EXPECT_EQ(Shown(late, ValueFormat::Time), "10:29");
    EXPECT_EQ(Shown(late, ValueFormat::TimeWithSeconds), "10:30:00");
    EXPECT_EQ(Shown(1 - 0.4 * second, ValueFormat::TimeWithSeconds), "00:00:00");
    EXPECT_EQ(Shown(1.5, ValueFormat::Hours), "36:00");
    EXPECT_EQ(Shown(5 + 0.25, ValueFormat::HoursWithSeconds), "126:00:00");
}

TEST(ValueCellText, NumbersIgnoreTheDateSystem)
{
    EXPECT_EQ(Shown(35065, ValueFormat::Number, true), "35065");
    EXPECT_EQ(Shown(0.125, ValueFormat::Number), "0.125"); // a percent format is not applied
}

TEST(ClassifyFormatCode, DateAndTimeLettersOutsideQuotesAndBrackets)
{
    const std::pair<const char*, ValueFormat> cases[] = {
        {"General", ValueFormat::Number},
        {"0.00", ValueFormat::Number},
        {"#,##0 \"mm\"", ValueFormat::Number},      // quoted text
        {"0.0 \"days\"", ValueFormat::Number},
        {"0.0\\d", ValueFormat::Number},            // an escaped character
        {"[Red]0.00;[Blue]-0.00", ValueFormat::Number},
        {"_(* #,##0_);_(* (#,##0)", ValueFormat::Number},
        {"0.00E+00", ValueFormat::Number},
        {"@", ValueFormat::Number},
        {"\"TRUE\";\"TRUE\";\"FALSE\"", ValueFormat::Number},
        {"dd/mm/yyyy", ValueFormat::Date},
        {"D-MMM-YY", ValueFormat::Date},
        {"mmm-yy", ValueFormat::Date},
        {"mmmm", ValueFormat::Date},                // m alone is a month
        {"yyyy", ValueFormat::Date},
        {"[$-410]dddd d mmmm yyyy", ValueFormat::Date},
        {"yyyy-mm-dd hh:mm:ss", ValueFormat::Date}, // a date-time shows its date
        {"dd/mm/yy;@", ValueFormat::Date},
        {"h:mm", ValueFormat::Time},
        {"h:mm AM/PM", ValueFormat::Time},          // the M of AM/PM is no month
        {"h:mm a/p", ValueFormat::Time},
        {"hh:mm:ss", ValueFormat::TimeWithSeconds},
        {"mm:ss", ValueFormat::TimeWithSeconds},    // m beside s is minutes
        {"[h]:mm", ValueFormat::Hours},
        {"[h]:mm:ss", ValueFormat::HoursWithSeconds},
        {"[mm]:ss", ValueFormat::HoursWithSeconds},
        {"0;\"d\"", ValueFormat::Number},           // only the first section counts
        {"\"unclosed", ValueFormat::Number},
        {"[unclosed d", ValueFormat::Number},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(static_cast<int>(ClassifyFormatCode(code)), static_cast<int>(expected)) << code;
}

TEST(BuiltInValueFormat, TheNumberedFormatsOfEveryWorkbook)
{
    const std::pair<int, ValueFormat> cases[] = {
        {0, ValueFormat::Number}, {9, ValueFormat::Number},  {13, ValueFormat::Number}, {14, ValueFormat::Date},
        {17, ValueFormat::Date},  {18, ValueFormat::Time},   {19, ValueFormat::TimeWithSeconds},
        {20, ValueFormat::Time},  {21, ValueFormat::TimeWithSeconds}, {22, ValueFormat::Date},
        {27, ValueFormat::Date},  {36, ValueFormat::Date},   {37, ValueFormat::Number},
        {45, ValueFormat::TimeWithSeconds}, {46, ValueFormat::HoursWithSeconds}, {47, ValueFormat::TimeWithSeconds},
        {49, ValueFormat::Number}, {50, ValueFormat::Date},  {58, ValueFormat::Date}, {59, ValueFormat::Number},
        {164, ValueFormat::Number},
    };
    for (const auto& [index, expected] : cases)
        EXPECT_EQ(static_cast<int>(BuiltInValueFormat(index)), static_cast<int>(expected)) << index;
}

TEST(ErrorCellText, SpreadsheetErrorTexts)
{
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0x00, "#NULL!"}, {0x07, "#DIV/0!"}, {0x0F, "#VALUE!"}, {0x17, "#REF!"},
        {0x1D, "#NAME?"}, {0x24, "#NUM!"},   {0x2A, "#N/A"},    {0x99, "#N/A"},
    };
    for (const auto& [code, expected] : cases) EXPECT_EQ(ErrorCellText(code), expected) << int(code);
    EXPECT_EQ(BooleanCellText(true), "TRUE");
    EXPECT_EQ(BooleanCellText(false), "FALSE");
}

} // namespace etp
