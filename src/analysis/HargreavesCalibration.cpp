#include "analysis/HargreavesCalibration.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "et/Compute.h"
#include "et/MethodAvailability.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

// Hargreaves values H scaled by k against PenMon P.
FitStatistics Statistics(std::span<const double> P, std::span<const double> H, double k)
{
    const double n = static_cast<double>(P.size());
    double meanP = 0;
    for (const double p : P) meanP += p / n;
    double sum = 0, squares = 0, total = 0;
    for (std::size_t i = 0; i < P.size(); ++i) {
        const double e = k * H[i] - P[i]; // [mm d-1]
        sum += e;
        squares += e * e;
        total += (P[i] - meanP) * (P[i] - meanP);
    }
    // PenMon constant over the days leaves R² undefined; NaN says so in the report.
    return {sum / n, std::sqrt(squares / n), total > 0 ? 1 - squares / total : std::nan("")};
}

std::string Number(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::optional<HargreavesFit> FitHargreavesCoefficient(std::span<const double> P, std::span<const double> H, double a,
                                                      std::string& failure)
{
    const auto n = static_cast<int>(P.size());
    if (n < kMinCalibrationDays) {
        failure = "The calibration needs at least " + std::to_string(kMinCalibrationDays) +
                  " days with both PenMon and Hargreaves; the sheet has " + std::to_string(n) + ".";
        return std::nullopt;
    }
    double PH = 0, HH = 0;
    for (std::size_t i = 0; i < P.size(); ++i) {
        PH += P[i] * H[i];
        HH += H[i] * H[i];
    }
    if (!(HH > 0) || !(PH > 0)) {
        failure = "Hargreaves is 0 on every common day or opposite to PenMon: there is no coefficient to fit.";
        return std::nullopt;
    }
    HargreavesFit fit;
    fit.days = n;
    fit.a = a;
    const double k = PH / HH; // [-]
    fit.fittedA = a * k;
    fit.before = Statistics(P, H, 1);
    fit.after = Statistics(P, H, k);
    return fit;
}

std::optional<HargreavesFit> CalibrateHargreaves(const StationSeries& series, std::string& failure)
{
    return CalibrateHargreaves(series, series.hargreaves, failure);
}

std::optional<HargreavesFit> CalibrateHargreaves(const StationSeries& series, const HargreavesCoefficients& coefficients,
                                                 std::string& failure)
{
    if (series.columns.dateForm() == DateForm::None || !MethodAvailability(Method::PenMon, series.columns).available) {
        failure = "The calibration needs the columns PenMon reads: temperatures, humidities, radiation and wind.";
        return std::nullopt;
    }
    if (const auto problem = CheckStation(series.station)) {
        failure = problem->message;
        return std::nullopt;
    }
    MethodSelection methods;
    methods.checked[Method::PenMon] = true;
    methods.checked[Method::Hargreaves] = true;

    MeteoSheet scratch = series.sheet;
    const EstimateSettings measuredOnly;
    const StationValues station = ReadStationValues(series.station);
    const ComputeSettings settings{series.columns, series.units,      station,
                                   methods,           coefficients,         measuredOnly,
                                   series.methodOptions};
    // PenMon's memory starts as on a series' first day, whatever the last Compute left.
    double previous = 0;
    const int penMon = UsedColumnCount(scratch) + 1; // Hargreaves follows, in table order
    const Outcome outcome = Compute(scratch, settings, previous);
    if (!outcome.done()) {
        failure = outcome.message;
        return std::nullopt;
    }

    std::vector<double> P, H;
    const int last = LastDataRow(scratch, series.columns);
    for (int r = 2; r <= last; ++r) {
        const auto p = MeasuredValue(scratch.cellText(r, penMon));
        const auto h = MeasuredValue(scratch.cellText(r, penMon + 1));
        if (!p || !h) continue;
        P.push_back(*p);
        H.push_back(*h);
    }
    return FitHargreavesCoefficient(P, H, coefficients.a, failure);
}

std::string CalibrationText(const HargreavesFit& fit)
{
    const auto line = [](const char* when, const FitStatistics& s) {
        return std::string(when) + "bias " + Number("%.3f", s.bias) + " mm/day, RMSE " + Number("%.3f", s.rmse) +
               " mm/day, R2 " + Number("%.3f", s.r2) + "\n";
    };
    return "Hargreaves against PenMon over " + std::to_string(fit.days) + " days\n" + "a = " +
           Number("%.6g", fit.a) + " fitted: a = " + Number("%.6g", fit.fittedA) + "\n" + line("before: ", fit.before) +
           line("after:  ", fit.after);
}

} // namespace etp
