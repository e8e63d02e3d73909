#include "import/CellText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

namespace etp {

namespace {

std::string Number(double value)
{
    CellTextBuffer buffer;
    return std::string(NumberCellText(value, buffer));
}

std::string Shown(double value, ValueFormat format, bool date1904)
{
    CellTextBuffer buffer;
    return std::string(ValueCellText(value, format, date1904, buffer));
}

} // namespace

// Fifteen significant digits, a point and no grouping; beyond 1e15 and below 1e-4 a
// spreadsheet's general format switches to an exponent; no sheet holds NaN or infinity.
TEST(NumberCellText, AsTheGeneralFormatShowsThem)
{
    const std::pair<double, const char*> cases[] = {
        {-3.2, "-3.2"}, {0.1 + 0.2, "0.3"}, {-2.0 / 3, "-0.666666666666667"}, {-0.0, "0"},
        {0.1234567890123456, "0.123456789012346"}, // 16 digits: rounded to 15
        {999999999999999, "999999999999999"},       // the largest whole number shown whole
        {1e15, "1E+15"}, {999999999999999.9, "1E+15"}, {1.2345678901234567e17, "1.23456789012346E+17"},
        {0.0001, "0.0001"}, {0.00001, "1E-05"}, {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::quiet_NaN(), "#NUM!"}, {-std::numeric_limits<double>::infinity(), "#NUM!"},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(Number(value), expected) << value;
}

// The model writers read day, month and two-digit year by character position. Dates no
// calendar holds show as numbers; a number format ignores the date system.
TEST(ValueCellText, DatesAndTimes)
{
    const double second = 1.0 / 86400, late = (10 * 3600 + 29 * 60 + 59.6) * second;
    const auto D = ValueFormat::Date, T = ValueFormat::Time, TS = ValueFormat::TimeWithSeconds;
    const std::tuple<double, ValueFormat, bool, const char*> cases[] = {
        {59, D, false, "28/02/00"}, {60, D, false, "29/02/00"}, {61, D, false, "01/03/00"}, // the 1900 leap day
        {0, D, false, "00/01/00"}, {2958465, D, false, "31/12/99"}, {2958466, D, false, "2958466"}, {-1, D, false, "-1"},
        {35065.75, D, false, "01/01/96"},        // a date-time shows its date
        {35065.999999995, D, false, "02/01/96"}, // within half a millisecond of midnight
        {0, D, true, "01/01/04"}, {2957003, D, true, "31/12/99"}, {2957004, D, true, "2957004"},
        {1e300, T, false, "1E+300"}, {std::nan(""), D, false, "#NUM!"}, {35065.5625, T, false, "13:30"},
        {late, T, false, "10:29"}, {late, TS, false, "10:30:00"}, {1 - 0.4 * second, TS, false, "00:00:00"},
        {1.5, ValueFormat::Hours, false, "36:00"}, {5.25, ValueFormat::HoursWithSeconds, false, "126:00:00"},
        {35065, ValueFormat::Number, true, "35065"},
    };
    for (const auto& [value, format, date1904, expected] : cases)
        EXPECT_EQ(Shown(value, format, date1904), expected) << value << " format " << static_cast<int>(format);
}

// Date and time letters count outside quotes, brackets and escapes, in the first section
// only; m is a month alone or beside d and y, minutes beside h or s; AM/PM holds no month.
TEST(ClassifyFormatCode, DateAndTimeLettersOutsideQuotesAndBrackets)
{
    const auto N = ValueFormat::Number, D = ValueFormat::Date, T = ValueFormat::Time, TS = ValueFormat::TimeWithSeconds;
    const std::pair<const char*, ValueFormat> cases[] = {
        {"0.0 \"days\"", N}, {"0.0\\d", N}, {"[Red]0.00;[Blue]-0.00", N}, {"0;\"d\"", N}, {"\"unclosed", N},
        {"[unclosed d", N}, {"D-MMM-YY", D}, {"mmmm", D}, {"[$-410]dddd d mmmm yyyy", D},
        {"yyyy-mm-dd hh:mm:ss", D}, // a date-time shows its date
        {"h:mm", T}, {"h:mm AM/PM", T}, {"hh:mm:ss", TS}, {"mm:ss", TS},
        {"[h]:mm", ValueFormat::Hours}, {"[h]:mm:ss", ValueFormat::HoursWithSeconds}, {"[mm]:ss", ValueFormat::HoursWithSeconds},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(static_cast<int>(ClassifyFormatCode(code)), static_cast<int>(expected)) << code;
}

} // namespace etp
