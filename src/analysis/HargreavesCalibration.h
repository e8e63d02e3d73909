#pragma once
// Hargreaves' coefficient a fitted to PenMon on the days both can be computed: the
// Hargreaves-Samani formula is a Ra (T + b) (Tmax - Tmin)^c, so a scales each day's
// value, and the least-squares a through the origin makes Hargreaves match PenMon best.
#include <optional>
#include <span>
#include <string>

#include "analysis/StationSeries.h"

namespace etp {

// How closely one series of daily values follows PenMon's [mm d-1].
struct FitStatistics {
    double bias = 0; // mean of Hargreaves - PenMon [mm d-1]
    double rmse = 0; // root mean square of Hargreaves - PenMon [mm d-1]
    double r2 = 0;   // 1 - SSE / SS of PenMon about its mean: 1 is a perfect match [-]
};

struct HargreavesFit {
    int days = 0;     // the days both methods have a value
    double a = 0;     // the coefficient the Hargreaves values were computed with
    double fittedA = 0;
    FitStatistics before, after;
};

// The fewest common days a fit is made on.
inline constexpr int kMinCalibrationDays = 30;

// a' = a sum(P H) / sum(H H) over pairs of PenMon P and Hargreaves H computed with a; none,
// with the reason in `failure`, for fewer than kMinCalibrationDays pairs or nothing to fit.
std::optional<HargreavesFit> FitHargreavesCoefficient(std::span<const double> P, std::span<const double> H, double a,
                                                      std::string& failure);

// Computes PenMon and Hargreaves into a copy of the series' sheet, with its columns,
// units, station and method options, the given Hargreaves coefficients and without
// estimates, and fits a on the days both have a value. The sheet is left as it was. None,
// with the message in `failure`, when the columns or the days do not allow a fit.
std::optional<HargreavesFit> CalibrateHargreaves(const StationSeries& series, const HargreavesCoefficients& coefficients,
                                                 std::string& failure);
// The same with the series' own coefficients.
std::optional<HargreavesFit> CalibrateHargreaves(const StationSeries& series, std::string& failure);

// The fit in a few lines, for a message box or the terminal.
std::string CalibrationText(const HargreavesFit& fit);

} // namespace etp
