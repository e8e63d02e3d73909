#include "sheet/DateParts.h"

namespace etp {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Reads 1 to maxDigits digits at text[i]; answers -1 when there is none.
int ReadNumber(std::string_view text, std::size_t& i, std::size_t maxDigits, std::size_t& digits)
{
    int value = 0;
    digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < maxDigits) {
        value = value * 10 + (text[i] - '0');
        ++i;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

} // namespace

int DaysInMonth(int month, int year)
{
    return month == 2 && IsLeapYear(year) ? 29 : kMonthLengths365[static_cast<std::size_t>(month - 1)];
}

std::optional<CalendarDate> DateParts(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\r')) --end;
    text = text.substr(begin, end - begin);

    // Year first (2020-01-31) when the text opens with four digits, day first otherwise.
    std::size_t i = 0;
    std::size_t digits = 0;
    const int first = ReadNumber(text, i, 4, digits);
    const bool yearFirst = digits == 4;
    if (first < 0 || (!yearFirst && digits > 2) || i >= text.size()) return std::nullopt;
    const char separator = text[i];
    if (separator != '/' && separator != '-' && separator != '.') return std::nullopt;
    ++i;
    const int month = ReadNumber(text, i, 2, digits);
    if (month < 0 || i >= text.size() || text[i] != separator) return std::nullopt;
    ++i;
    const int last = ReadNumber(text, i, yearFirst ? 2 : 4, digits);
    if (last < 0 || i != text.size() || (!yearFirst && (digits == 3 || digits == 1))) return std::nullopt;
    const int day = yearFirst ? last : first;
    int year = yearFirst ? first : last;
    if (!yearFirst && digits == 2) year += year < 30 ? 2000 : 1900;

    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) return std::nullopt;
    return CalendarDate{day, month, year};
}

} // namespace etp
