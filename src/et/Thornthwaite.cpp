#include "et/Thornthwaite.h"

#include <cmath>
#include <cstddef>

#include "base/Refusal.h"
#include "base/ToSingle.h"
#include "et/DayTerms.h"
#include "sheet/RowDates.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

double MonthlyHeatIndex(double T)
{
    return T > 0 ? std::pow(T / 5, 1.514) : 0;
}

double ThornthwaiteExponent(double I)
{
    return 6.75e-7 * I * I * I - 7.71e-5 * I * I + 1.792e-2 * I + 0.49239;
}

// The plain formula at every temperature: the separate rule above 26.5 °C is not applied.
double UnadjustedThornthwaite(double T, double I, double a)
{
    // T > 0 makes I > 0: the month's own index is part of it.
    return T > 0 ? 16 * std::pow(10 * T / I, a) : 0;
}

int ThornthwaiteYear::months() const
{
    int n = 0;
    for (const auto& month : T) n += month ? 1 : 0;
    return n;
}

namespace {

// The temperature of a cell as the computation reads it: none when it is missing or
// beyond 32 bits (the computation stops at such a row).
std::optional<double> Temperature(const MeteoSheet& sheet, int r, int column, const UnitSelection& units)
{
    if (column == 0) return 0.0;
    const auto v = MeasuredValue(sheet.cellText(r, column));
    if (!v) return std::nullopt;
    const double T = units.convert(UnitKind::Temperature, *v); // [°C]
    if (!(std::fabs(T) < kSingleBound)) return std::nullopt;
    return double(ToSingle(T));
}

} // namespace

ThornthwaiteYears BuildThornthwaiteYears(const MeteoSheet& sheet, const ColumnMap& columns, const UnitSelection& units)
{
    struct Sum {
        double total = 0; // [°C]
        int days = 0;
    };
    std::map<int, std::array<Sum, 12>> sums;
    const RowDates dates(sheet, columns);
    const int tminColumn = columns.column(ColumnBox::Tmin);
    const int tmaxColumn = columns.column(ColumnBox::Tmax);
    const int last = LastDataRow(sheet, columns);
    for (int r = 2; r <= last; ++r) {
        const auto date = DateParts(dates.text(r));
        if (!date || date->Month < 1 || date->Month > 12) continue;
        const auto Tmin = Temperature(sheet, r, tminColumn, units);
        const auto Tmax = Temperature(sheet, r, tmaxColumn, units);
        if (!Tmin || !Tmax) continue;
        const DailyWeather D{.Tmin = ToSingle(*Tmin), .Tmax = ToSingle(*Tmax)};
        Sum& sum = sums[date->Year][static_cast<std::size_t>(date->Month - 1)];
        sum.total += MeanTemperature(D);
        ++sum.days;
    }

    ThornthwaiteYears years;
    for (const auto& [year, months] : sums) {
        ThornthwaiteYear& y = years[year];
        for (std::size_t m = 0; m < 12; ++m)
            if (months[m].days > 0) {
                y.T[m] = months[m].total / months[m].days;
                y.I += MonthlyHeatIndex(*y.T[m]);
            }
        y.a = ThornthwaiteExponent(y.I);
    }
    return years;
}

std::string ThornthwaiteNotes(const ThornthwaiteYears& years)
{
    std::string lines;
    for (const auto& [year, y] : years) {
        const int n = y.months();
        if (n == 12) continue;
        lines += (lines.empty() ? "" : "\n") + std::string("Thornt.: ") + std::to_string(year) + " has " +
                 std::to_string(n) + (n == 1 ? " month" : " months") +
                 " of temperatures; its heat index uses " + (n == 1 ? "that month" : "those months");
    }
    return lines;
}

double Thornthwaite(const ThornthwaiteYears& years, const SiteDay& S, double N)
{
    const auto year = years.find(static_cast<int>(S.Year));
    const int m = static_cast<int>(S.Month) - 1;
    if (year == years.end() || m < 0 || m >= 12 || !year->second.T[static_cast<std::size_t>(m)])
        throw ArithmeticError("Thornthwaite: no mean temperature for the month");
    const ThornthwaiteYear& y = year->second;
    const double PET = UnadjustedThornthwaite(*y.T[static_cast<std::size_t>(m)], y.I, y.a); // [mm per 30 days of 12 h]
    return PET / 30 * N / 12;
}

} // namespace etp
