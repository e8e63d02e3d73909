#include "irrigation/Irrigation.h"

#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>

#include "base/Messages.h"
#include "sheet/DateParts.h"
#include "sheet/DecimalText.h"
#include "sheet/MissingDays.h"
#include "sheet/NumericValue.h"
#include "sheet/PositionalDate.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

// The texts, checked before the sheet is touched; keeps the first problem.
class TextCheck {
public:
    const std::optional<std::string>& problem() const { return problem_; }

    // A day/month in the two-digit form dd/mm of a real day (29/02 allowed).
    std::optional<double> dayOfYear(const std::string& label, const std::string& text)
    {
        constexpr int kLeapYear = 2000; // 29/02 is a day of any schedule
        const bool shaped = text.size() == 5 && text[2] == '/' && IsDigit(text[0]) && IsDigit(text[1]) &&
                            IsDigit(text[3]) && IsDigit(text[4]);
        if (shaped) {
            const int day = (text[0] - '0') * 10 + (text[1] - '0');
            const int month = (text[3] - '0') * 10 + (text[4] - '0');
            if (month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, kLeapYear))
                return PositionalDayOfYear(day, month);
        }
        refuse(label + " must be a day and month written dd/mm, for example 06/07: \"" + text + "\"");
        return std::nullopt;
    }

    std::optional<double> number(const std::string& label, const std::string& text, double low, double high,
                                 bool whole, const std::string& range)
    {
        const double value = NumericValue(text);
        if (IsNumberText(text) && value >= low && value <= high && (!whole || value == std::floor(value)))
            return value;
        refuse(label + " must be " + range + ": \"" + text + "\"");
        return std::nullopt;
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    void refuse(const std::string& text)
    {
        if (!problem_) problem_ = text;
    }

    std::optional<std::string> problem_;
};

constexpr double kNoUpperLimit = 1e300;

// Day of year of a row's date cell, read by position; none for a month beyond 0..12.
std::optional<double> RowDayOfYear(const RowDates& dates, int row)
{
    const PositionalDate date = ReadDateByPosition(dates.text(row));
    return PositionalDayOfYear(date.day, date.month);
}

IrrigationApplication Water(MeteoSheet& sheet, int row, int rainColumn, const RowDates& dates, double rain, double amount)
{
    sheet.setCellText(row, rainColumn, DecimalText(rain + amount));
    return {row, dates.text(row), amount};
}

struct TurnedSchedule {
    double start = 0, end = 0; // days of year
    int frequency = 1;         // counted days between applications
    double amount = 0;         // [mm]
    double threshold = 0;      // [mm]
    int window = 0;            // days before the application day
};

TurnedSchedule ParseTurned(const TurnedIrrigationTexts& texts, TextCheck& check)
{
    TurnedSchedule schedule;
    schedule.start = check.dayOfYear("Starting date", texts.start).value_or(0);
    schedule.end = check.dayOfYear("Ending date", texts.end).value_or(0);
    // The history holds 100 counted days, so the frequency stays within 1..100.
    const double frequency =
        check.number("Frequency (d)", texts.frequency, 1, 100, true, "a whole number from 1 to 100").value_or(1);
    schedule.frequency = static_cast<int>(frequency);
    schedule.amount = check.number("Amount each (mm)", texts.amount, 0, kNoUpperLimit, false, "a number not below 0")
                          .value_or(0);
    schedule.threshold =
        check.number("greater than (mm)", texts.threshold, 0, kNoUpperLimit, false, "a number not below 0").value_or(0);
    // The window of n + 1 days must lie within the counted days of the cycle.
    schedule.window = static_cast<int>(
        check.number("in \"n\" days before application", texts.days, 0, frequency - 1, true,
                     "a whole number from 0 to " + DecimalText(frequency - 1) + " (below the frequency)")
            .value_or(0));
    return schedule;
}

struct OnDemandSchedule {
    double start = 0, end = 0; // days of year
    double limit = 0;          // [mm]
    double restoring = 0;      // [%]
};

OnDemandSchedule ParseOnDemand(const OnDemandIrrigationTexts& texts, TextCheck& check)
{
    OnDemandSchedule schedule;
    schedule.start = check.dayOfYear("Starting date", texts.start).value_or(0);
    schedule.end = check.dayOfYear("Ending date", texts.end).value_or(0);
    schedule.limit =
        check.number("ETP-rain  limit (mm)", texts.limit, 0, kNoUpperLimit, false, "a number not below 0").value_or(0);
    schedule.restoring =
        check.number("Restoring (%)", texts.restoring, 0, 100, false, "a number from 0 to 100").value_or(0);
    return schedule;
}

IrrigationRun Refused(const TextCheck& check) { return {Outcome::Refused(*check.problem(), Outcome::Gravity::Warning), {}}; }

// The refusal over the days of the period (where inPeriod(day of year) holds) without a
// value in the rain column or the ET column (0: none read); the schedule reads no other day.
std::optional<std::string> MissingInPeriod(const MeteoSheet& sheet, int last, const RowDates& dates, int rainColumn,
                                           int etColumn, const std::function<bool(double)>& inPeriod,
                                           std::string_view notApplied)
{
    MissingDays gaps(dates);
    for (int r = 2; r <= last; ++r) {
        const auto d = RowDayOfYear(dates, r);
        if (!d || !inPeriod(*d)) continue;
        gaps.addCells(sheet, {rainColumn, true}, sheet.cellText(1, rainColumn), GapRemedy::Fill, r, r);
        gaps.addCells(sheet, {etColumn}, sheet.cellText(1, etColumn), GapRemedy::ComputeAgain, r, r);
    }
    if (gaps.empty()) return std::nullopt;
    return gaps.message(notApplied);
}

} // namespace

std::optional<std::string> TurnedIrrigationTextProblem(const TurnedIrrigationTexts& texts)
{
    TextCheck check;
    ParseTurned(texts, check);
    return check.problem();
}

std::optional<std::string> OnDemandIrrigationTextProblem(const OnDemandIrrigationTexts& texts)
{
    TextCheck check;
    ParseOnDemand(texts, check);
    return check.problem();
}

IrrigationRun ApplyTurnedIrrigation(MeteoSheet& sheet, const ColumnMap& columns, int rainColumn,
                                    const TurnedIrrigationTexts& texts)
{
    TextCheck check;
    const TurnedSchedule schedule = ParseTurned(texts, check);
    if (check.problem()) return Refused(check);

    const int last = LastDataRow(sheet, columns);
    const RowDates dates(sheet, columns);
    const int F = schedule.frequency;
    const auto inPeriod = [&](double d) { return schedule.start < d && d <= schedule.end; };
    if (auto gaps = MissingInPeriod(sheet, last, dates, rainColumn, 0, inPeriod, kTurnedIrrigationNotApplied))
        return {Outcome::Refused(std::move(*gaps)), {}};

    IrrigationRun run;
    std::vector<IrrigationApplication>& applications = run.applications;
    std::array<double, 101> rainHistory{}; // slots 1..100
    int count = 0; // counted days since the start or the last application day; runs on across years
    for (int r = 2; r <= last; ++r) {
        const double rain = NumericValue(sheet.cellText(r, rainColumn)); // [mm]
        const auto d = RowDayOfYear(dates, r);
        if (!d || !inPeriod(*d)) continue;
        ++count;
        rainHistory[count] = rain;
        if (count != F) continue;
        double rainSum = 0; // the application day and the n days before it [mm]
        for (int k = count; k >= count - schedule.window; --k) rainSum += rainHistory[k];
        if (rainSum < schedule.threshold)
            applications.push_back(Water(sheet, r, rainColumn, dates, rain, schedule.amount));
        count = 0; // a skipped application restarts the count too
    }
    return run;
}

IrrigationRun ApplyOnDemandIrrigation(MeteoSheet& sheet, const ColumnMap& columns, int rainColumn, int etColumn,
                                      const OnDemandIrrigationTexts& texts)
{
    TextCheck check;
    const OnDemandSchedule schedule = ParseOnDemand(texts, check);
    if (check.problem()) return Refused(check);

    const int last = LastDataRow(sheet, columns);
    const RowDates dates(sheet, columns);
    const auto inPeriod = [&](double d) { return schedule.start <= d && d <= schedule.end; };
    if (auto gaps = MissingInPeriod(sheet, last, dates, rainColumn, etColumn, inPeriod, kOnDemandIrrigationNotApplied))
        return {Outcome::Refused(std::move(*gaps)), {}};

    IrrigationRun run;
    std::vector<IrrigationApplication>& applications = run.applications;
    double deficit = 0; // accumulated ET - rain [mm]; no lower bound, carried across years
    for (int r = 2; r <= last; ++r) {
        const auto d = RowDayOfYear(dates, r);
        if (!d || !inPeriod(*d)) continue;
        const double rain = NumericValue(sheet.cellText(r, rainColumn)); // [mm]
        const double et = NumericValue(sheet.cellText(r, etColumn));     // [mm]
        deficit += et - rain;
        if (deficit > schedule.limit) {
            applications.push_back(Water(sheet, r, rainColumn, dates, rain, deficit * schedule.restoring / 100));
            deficit = 0;
        }
    }
    return run;
}

} // namespace etp
