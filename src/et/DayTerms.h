#pragma once
// The terms that several methods share: of the station for the whole run, of one row for that
// row. Compute owns both and hands them to the methods; nothing is kept anywhere else.
#include <array>
#include <optional>

#include "base/ToSingle.h"
#include "et/Records.h"

namespace etp {

// Daily mean temperature T [°C], FAO-56 Eq. 9: the mean of the extremes, rounded to 32 bits.
inline double MeanTemperature(const DailyWeather& D) { return ToSingle((double(D.Tmin) + D.Tmax) / 2); }
// Daily mean relative humidity RHmean [%]: the mean of the extremes, rounded to 32 bits.
inline double MeanHumidity(const DailyWeather& D) { return ToSingle((double(D.RHmax) + D.RHmin) / 2); }

// What the formulas need of the station alone, computed once per run: Ra and N for each day of
// the 365-day year at its latitude, gamma at its altitude. A value whose formula fails (polar day
// or night, an altitude beyond the pressure formula) is not held: asking for it computes the
// formula again, so its error names the row and the method that need it.
class StationTerms {
public:
    StationTerms(float latitude, float altitude);
    // Each is the formula's value for the day's date at the day's site; another site than the
    // station's is computed directly.
    double ExtraterrestrialRadiation(const SiteDay& S) const; // Ra [MJ m-2 d-1]
    double DaylightHours(const SiteDay& S) const;             // N [h]
    double PsychrometricConstant(const SiteDay& S) const;     // gamma [kPa °C-1]

private:
    float latitude_;
    float altitude_;
    std::array<std::optional<double>, 366> Ra_; // by day of year, [0] unused
    std::array<std::optional<double>, 366> N_;
    std::optional<double> gamma_;
};

// One row's day and the terms its methods share, each computed the first time a method asks
// for it: a term no chosen method needs is never computed, so it can never stop the row.
class DayTerms {
public:
    // Without the station's terms, the solar terms and gamma are computed for each request.
    DayTerms(const DailyWeather& D, const SiteDay& S, const StationTerms* station = nullptr)
        : D_(D), S_(S), station_(station)
    {
    }

    const DailyWeather& weather() const { return D_; }
    const SiteDay& site() const { return S_; }

    double ExtraterrestrialRadiation() const; // Ra [MJ m-2 d-1]
    double DaylightHours() const;             // N [h]
    double PsychrometricConstant() const;     // gamma [kPa °C-1]

    double WeightingFactor();           // FAO-24 W [-]
    double VapourPressureDeficitMbar(); // FAO-24 ea - ed [mbar]
    double NetLongwaveFao56();          // Rnl [mm d-1] from the measured radiation

private:
    DailyWeather D_;
    SiteDay S_;
    const StationTerms* station_;
    std::optional<double> W_;
    std::optional<double> deficit_;
    std::optional<double> netLongwave56_;
};

} // namespace etp
