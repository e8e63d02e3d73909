#include "et/DayReader.h"

#include <cmath>
#include <optional>

#include "base/Messages.h"
#include "base/ToSingle.h"
#include "et/Fao56Terms.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"

namespace etp {

void ReadStation(const StationValues& station, SiteDay& S)
{
    S.Altitude = ToSingle(station.altitude);
    S.Latitude = ToSingle(station.latitude);
}

DayReader::DayReader(const MeteoSheet& sheet, const ColumnMap& columns, const UnitSelection& units,
                     const StationValues& station, const EstimateSettings& estimates)
    : sheet_(sheet), units_(units), estimates_(estimates), dates_(sheet, columns), humidity_(HumiditySourceOf(columns))
{
    for (const ColumnBox box : kAllColumnBoxes) column_[box] = columns.column(box);
    windHeight_ = station.windHeight;
    // A variable the sheet has no column of is missing on every day when its
    // estimate is on, and is estimated as an empty cell is.
    if (estimates.humidity && humidity_ == HumiditySource::None) absent_ |= kHumidityInputs;
    if (estimates.radiation && column_[ColumnBox::Radiation] == 0) absent_ |= kRadiationInput;
    if (estimates.wind && column_[ColumnBox::Wind] == 0) absent_ |= kWindInput;
}

DayGaps DayReader::read(int r, DailyWeather& D, SiteDay& S) const
{
    DayGaps gaps;
    gaps.missing = absent_;
    D.Tmin = value(r, ColumnBox::Tmin, UnitKind::Temperature, "T min", kTemperatureInputs, gaps);
    D.Tmax = value(r, ColumnBox::Tmax, UnitKind::Temperature, "T max", kTemperatureInputs, gaps);
    readHumidity(r, D, gaps);
    D.Radiation = value(r, ColumnBox::Radiation, UnitKind::Radiation, "radiation", kRadiationInput, gaps);
    D.Wind = value(r, ColumnBox::Wind, UnitKind::Wind, "wind", kWindInput, gaps);
    if (windHeight_ != 2) D.Wind = ToSingleChecked(WindAt2m(D.Wind, windHeight_), "the wind height conversion");
    if (column_[ColumnBox::Sunshine] != 0) {
        D.Sunshine = value(r, ColumnBox::Sunshine, UnitKind::Sunshine, "sunshine", kSunshineInput, gaps);
        gaps.sunshineMeasured = (gaps.missing & kSunshineInput) == 0;
    }

    gaps.date = dates_.text(r);
    const auto date = DateParts(gaps.date);
    if (!date)
        throw UnreadableDate("The date in row " + std::to_string(r) + " is not a date: \"" + gaps.date + "\"." + kDateAdvice);
    S.Day = ToSingle(date->Day);
    S.Month = ToSingle(date->Month);
    S.Year = ToSingle(date->Year);
    return gaps;
}

Inputs DayReader::estimate(const DayGaps& gaps, Inputs needed, DailyWeather& D, const SiteDay& S,
                           const StationTerms& station, std::string& words) const
{
    words.clear();
    if (!estimates_.any() || !(gaps.missing & needed)) return gaps.missing;
    return EstimateMissing(D, S, station, gaps.missing & needed, gaps.sunshineMeasured, estimates_, words);
}

float DayReader::value(int r, ColumnBox box, UnitKind unit, const char* what, Inputs input, DayGaps& gaps) const
{
    const auto v = measured(r, box, unit);
    if (!v) {
        if (column_[box] != 0) gaps.missing |= input;
        return 0;
    }
    return ToSingleChecked(*v, what);
}

// The cell of a box in the program's unit; empty when the box names no column or the
// cell holds no measurement.
std::optional<double> DayReader::measured(int r, ColumnBox box, UnitKind unit) const
{
    if (column_[box] == 0) return std::nullopt;
    const auto v = MeasuredValue(sheet_.cellText(r, column_[box]));
    if (!v) return std::nullopt;
    return units_.convert(unit, *v);
}

// RH max and RH min from the first source the boxes name. A source other than the
// extremes needs the day's temperatures; a dew point above T max is no humidity.
void DayReader::readHumidity(int r, DailyWeather& D, DayGaps& gaps) const
{
    if (humidity_ == HumiditySource::Extremes || humidity_ == HumiditySource::None) {
        D.RHmin = value(r, ColumnBox::RHmin, UnitKind::Humidity, "U.R. min", kMinimumHumidityInput, gaps);
        D.RHmax = value(r, ColumnBox::RHmax, UnitKind::Humidity, "U.R. max", kMaximumHumidityInput, gaps);
        return;
    }
    std::optional<double> ea; // [kPa]
    if (!(gaps.missing & kTemperatureInputs)) {
        const double Tmin = D.Tmin, Tmax = D.Tmax;
        switch (humidity_) {
        case HumiditySource::VapourPressure:
            ea = measured(r, ColumnBox::Ea, UnitKind::VapourPressure);
            break;
        case HumiditySource::DewPoint:
            if (const auto Tdew = measured(r, ColumnBox::Tdew, UnitKind::Temperature); Tdew && *Tdew <= Tmax)
                ea = VapourPressureFromDewPoint(*Tdew);
            break;
        case HumiditySource::MaximumOnly:
            if (const auto RHmax = measured(r, ColumnBox::RHmax, UnitKind::Humidity))
                ea = VapourPressureFromMaximumHumidity(Tmin, *RHmax);
            break;
        case HumiditySource::Mean:
            if (const auto RHmean = measured(r, ColumnBox::RHmean, UnitKind::Humidity))
                ea = VapourPressureFromMeanHumidity(Tmin, Tmax, *RHmean);
            break;
        case HumiditySource::Extremes:
        case HumiditySource::None: break;
        }
    }
    if (!ea || !std::isfinite(*ea) || *ea < 0) {
        D.RHmin = D.RHmax = 0;
        gaps.missing |= kHumidityInputs;
        return;
    }
    SetHumiditiesOfVapourPressure(D, *ea);
}

} // namespace etp
