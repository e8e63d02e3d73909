#include "import/CellText.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "sheet/DateParts.h"

namespace etp {

namespace {

// Serial day 0 of each date system, in days from 1 January 1970.
constexpr long long k1899December30 = -25569;
constexpr long long k1904January1 = -24107;
constexpr long long kMillisecondsPerDay = 86400000;
// 31 December 9999, the last day a spreadsheet shows, in each system.
constexpr long long kLastSerial1900 = 2958465;
constexpr long long kLastSerial1904 = 2957003;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[i]) != prefix[i]) return false;
    return true;
}

bool AllOf(std::string_view text, char c)
{
    if (text.empty()) return false;
    for (const char t : text)
        if (Lower(t) != c) return false;
    return true;
}

// Civil date of a day count from 1970-01-01 (proleptic Gregorian; H. Hinnant's algorithm).
void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// Days from 1970-01-01 of a civil date (proleptic Gregorian; H. Hinnant's algorithm).
long long DaysFromCivil(long long year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const auto yoe = static_cast<unsigned>(year - era * 400);
    const unsigned doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// Reads digits from text at pos: at least `least`, at most `most`.
std::optional<long long> Digits(std::string_view text, std::size_t& pos, int least, int most)
{
    long long value = 0;
    int count = 0;
    while (pos < text.size() && count < most && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos++] - '0');
        ++count;
    }
    if (count < least) return std::nullopt;
    return value;
}

bool Take(std::string_view text, std::size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

char* TwoDigits(char* out, long long value)
{
    *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

std::string_view DayMonthYearText(int day, int month, long long year, CellTextBuffer& buffer)
{
    char* out = buffer.data();
    out = TwoDigits(out, day);
    *out++ = '/';
    out = TwoDigits(out, month);
    *out++ = '/';
    out = TwoDigits(out, (year % 100 + 100) % 100);
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

std::string_view DateText(long long days, bool date1904, CellTextBuffer& buffer)
{
    int year = 0, month = 0, day = 0;
    if (date1904) {
        CivilFromDays(k1904January1 + days, year, month, day);
    } else if (days == 0) { // shown as the day before 1 January 1900
        year = 1900, month = 1, day = 0;
    } else if (days == 60) { // the 29 February 1900 that the 1900 system counts
        year = 1900, month = 2, day = 29;
    } else {
        CivilFromDays(k1899December30 + days + (days < 60 ? 1 : 0), year, month, day);
    }
    return DayMonthYearText(day, month, year, buffer);
}

std::string_view TimeText(long long milliseconds, ValueFormat format, CellTextBuffer& buffer)
{
    const bool seconds = format == ValueFormat::TimeWithSeconds || format == ValueFormat::HoursWithSeconds;
    const bool elapsed = format == ValueFormat::Hours || format == ValueFormat::HoursWithSeconds;
    // Shown seconds are rounded, shown minutes cut (10:29:59.6 is 10:30:00 but 10:29).
    const long long total = seconds ? (milliseconds + 500) / 1000 : milliseconds / 1000;
    long long hours = total / 3600;
    if (!elapsed) hours %= 24;
    char* out = buffer.data();
    if (hours >= 100) {
        out = std::to_chars(out, buffer.data() + 20, hours).ptr;
    } else {
        out = TwoDigits(out, hours);
    }
    *out++ = ':';
    out = TwoDigits(out, total / 60 % 60);
    if (seconds) {
        *out++ = ':';
        out = TwoDigits(out, total % 60);
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

int SignificantDigits(std::string_view text)
{
    int count = 0;
    bool leading = true;
    for (const char c : text) {
        if (c < '0' || c > '9') continue;
        if (leading && c == '0') continue;
        leading = false;
        ++count;
    }
    return count;
}

} // namespace

ValueFormat BuiltInValueFormat(int index)
{
    if ((index >= 14 && index <= 17) || index == 22 || (index >= 27 && index <= 36) || (index >= 50 && index <= 58))
        return ValueFormat::Date;
    if (index == 18 || index == 20) return ValueFormat::Time;
    if (index == 19 || index == 21 || index == 45 || index == 47) return ValueFormat::TimeWithSeconds;
    if (index == 46) return ValueFormat::HoursWithSeconds;
    return ValueFormat::Number;
}

ValueFormat ClassifyFormatCode(std::string_view code)
{
    bool date = false, month = false, hours = false, seconds = false, elapsed = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = Lower(code[i]);
        if (c == ';') break; // the first section is the one for positive numbers and dates
        if (c == '"') {
            const std::size_t close = code.find('"', i + 1);
            if (close == std::string_view::npos) break;
            i = close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // the next character is shown, or sets a width
        } else if (c == '[') {
            const std::size_t close = code.find(']', i + 1);
            if (close == std::string_view::npos) break;
            const std::string_view inside = code.substr(i + 1, close - i - 1);
            if (AllOf(inside, 'h')) elapsed = hours = true;
            if (AllOf(inside, 'm')) elapsed = hours = true; // [mm]:ss, minutes counted past 60
            if (AllOf(inside, 's')) seconds = true;
            i = close; // otherwise a colour, a condition or a locale
        } else if (StartsWithIgnoringCase(code.substr(i), "am/pm")) {
            i += 4;
        } else if (StartsWithIgnoringCase(code.substr(i), "a/p")) {
            i += 2;
        } else if (c == 'd' || c == 'y') {
            date = true;
        } else if (c == 'm') {
            month = true;
        } else if (c == 'h') {
            hours = true;
        } else if (c == 's') {
            seconds = true;
        }
    }
    if (date || (month && !hours && !seconds)) return ValueFormat::Date;
    if (elapsed) return seconds ? ValueFormat::HoursWithSeconds : ValueFormat::Hours;
    if (hours || seconds) return seconds ? ValueFormat::TimeWithSeconds : ValueFormat::Time;
    return ValueFormat::Number;
}

std::string_view NumberCellText(double value, CellTextBuffer& buffer)
{
    if (!std::isfinite(value)) return "#NUM!";
    if (value == 0) return "0"; // -0 too
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && value == std::trunc(value)) {
        const auto end = std::to_chars(first, last, static_cast<long long>(value)).ptr;
        return {first, static_cast<std::size_t>(end - first)};
    }
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        // The shortest text that reads back as the value; when it has at most 15
        // significant digits, rounding to 15 digits gives the same digits (a double's
        // half unit in the last place is below a tenth of the 15th digit).
        const auto shortest = std::to_chars(first, last, value, std::chars_format::fixed);
        if (shortest.ec == std::errc() && SignificantDigits({first, static_cast<std::size_t>(shortest.ptr - first)}) <= 15)
            return {first, static_cast<std::size_t>(shortest.ptr - first)};
    }
    const auto rounded = std::to_chars(first, last, value, std::chars_format::general, 15);
    for (char* p = first; p != rounded.ptr; ++p)
        if (*p == 'e') *p = 'E';
    return {first, static_cast<std::size_t>(rounded.ptr - first)};
}

std::string_view ValueCellText(double value, ValueFormat format, bool date1904, CellTextBuffer& buffer)
{
    const long long lastDay = date1904 ? kLastSerial1904 : kLastSerial1900;
    if (format == ValueFormat::Number || !(value >= 0) || value >= static_cast<double>(lastDay + 1))
        return NumberCellText(value, buffer);
    // Whole milliseconds, as spreadsheets round before they split day and time.
    const auto milliseconds = std::llround(value * static_cast<double>(kMillisecondsPerDay));
    if (format == ValueFormat::Date) {
        const long long days = milliseconds / kMillisecondsPerDay;
        if (days > lastDay) return NumberCellText(value, buffer); // 23:59:59.9995 on the last day
        return DateText(days, date1904, buffer);
    }
    return TimeText(format == ValueFormat::Hours || format == ValueFormat::HoursWithSeconds
                        ? milliseconds
                        : milliseconds % kMillisecondsPerDay,
                    format, buffer);
}

std::optional<std::string_view> IsoDateCellText(std::string_view iso, ValueFormat format, bool date1904,
                                                CellTextBuffer& buffer)
{
    std::size_t pos = 0;
    const bool negative = Take(iso, pos, '-');
    const auto year = Digits(iso, pos, 4, 6);
    if (!year || !Take(iso, pos, '-')) return std::nullopt;
    const auto month = Digits(iso, pos, 2, 2);
    if (!month || !Take(iso, pos, '-')) return std::nullopt;
    const auto day = Digits(iso, pos, 2, 2);
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    double seconds = 0;
    if (Take(iso, pos, 'T')) {
        const auto h = Digits(iso, pos, 2, 2);
        if (!h || !Take(iso, pos, ':')) return std::nullopt;
        const auto m = Digits(iso, pos, 2, 2);
        if (!m || *h > 24 || *m > 59) return std::nullopt;
        double s = 0;
        if (Take(iso, pos, ':')) {
            const auto rest = iso.substr(pos);
            const auto parsed = std::from_chars(rest.data(), rest.data() + rest.size(), s);
            if (parsed.ec != std::errc() || s < 0 || s >= 61) return std::nullopt;
            pos += static_cast<std::size_t>(parsed.ptr - rest.data());
        }
        seconds = static_cast<double>(*h * 3600 + *m * 60) + s;
    }
    // A zone ("Z", "+01:00") is the writer's, not the station's: the wall clock counts.
    if (pos < iso.size() && iso[pos] != 'Z' && iso[pos] != '+' && iso[pos] != '-') return std::nullopt;
    const long long signedYear = negative ? -*year : *year;
    if (*day > DaysInMonth(static_cast<int>(*month), static_cast<int>(signedYear))) return std::nullopt; // 31 April
    const long long days = DaysFromCivil(signedYear, static_cast<unsigned>(*month), static_cast<unsigned>(*day));
    if (format == ValueFormat::Date) return DayMonthYearText(static_cast<int>(*day), static_cast<int>(*month), signedYear, buffer);
    // The 1900 system counts a 29 February 1900 that never was: its serial days from
    // 1 March 1900 on are one more than the days since 30 December 1899.
    long long serial = date1904 ? days - k1904January1 : days - k1899December30;
    if (!date1904 && serial < 61) serial -= 1;
    return ValueCellText(static_cast<double>(serial) + seconds / 86400.0, format, date1904, buffer);
}

std::optional<double> IsoDurationDays(std::string_view iso)
{
    std::size_t pos = 0;
    const bool negative = Take(iso, pos, '-');
    if (!Take(iso, pos, 'P')) return std::nullopt;
    double seconds = 0;
    bool time = false, any = false;
    while (pos < iso.size()) {
        if (!time && Take(iso, pos, 'T')) {
            time = true;
            continue;
        }
        const auto rest = iso.substr(pos);
        double value = 0;
        const auto parsed = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (parsed.ec != std::errc() || value < 0 || parsed.ptr == rest.data() + rest.size()) return std::nullopt;
        pos += static_cast<std::size_t>(parsed.ptr - rest.data());
        const char unit = iso[pos++];
        if (!time && unit == 'D') seconds += value * 86400;
        else if (time && unit == 'H') seconds += value * 3600;
        else if (time && unit == 'M') seconds += value * 60;
        else if (time && unit == 'S') seconds += value;
        else return std::nullopt; // years and months have no fixed length
        any = true;
    }
    if (!any) return std::nullopt;
    return (negative ? -seconds : seconds) / 86400.0;
}

std::string_view BooleanCellText(bool value) { return value ? "TRUE" : "FALSE"; }

std::string_view ErrorCellText(std::uint8_t code)
{
    switch (code) {
    case 0x00: return "#NULL!";
    case 0x07: return "#DIV/0!";
    case 0x0F: return "#VALUE!";
    case 0x17: return "#REF!";
    case 0x1D: return "#NAME?";
    case 0x24: return "#NUM!";
    default: return "#N/A"; // 0x2A, and codes no spreadsheet writes
    }
}

} // namespace etp
