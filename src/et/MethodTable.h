#pragma once
// The one place that knows the methods: per method its result label, its check box,
// the inputs it reads, the unit of its result and the function that
// computes it. Compute, the dialogs, the chart and etp read it; a new method is a row
// here and its formula.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "et/AsceStandard.h"
#include "et/BlaneyCriddle.h"
#include "et/CombinationMethods.h"
#include "et/DayTerms.h"
#include "et/Estimates.h"
#include "et/MethodOptions.h"
#include "et/Methods.h"
#include "et/OtherMethods.h"
#include "et/PenMon.h"
#include "et/Records.h"
#include "et/SolarGeometry.h"
#include "et/Thornthwaite.h"
#include "et/Units.h"
#include "sheet/MeteoSheet.h"

namespace etp {

// What a method may read besides the day's records: the day's shared terms, settings
// of the run and the values it keeps between rows.
struct MethodContext {
    DayTerms& day;
    const HargreavesCoefficients& hargreaves;
    const MonthlyTemperatureRange& monthlyRange;
    double& previousMeanTemperature;
    const MethodOptions& options;
    const ThornthwaiteYears& thornthwaite;
    BlaneyCriddleRun& blaneyCriddle;
};

// The day's result; no value leaves the cell empty.
using MethodFunction = std::optional<double> (*)(const DailyWeather&, const SiteDay&, MethodContext&);

enum class ResultUnit {
    MillimetresPerDay,           // ET
    MegajoulesPerSquareMetreDay, // extraterrestrial radiation, not converted to mm
};

struct MethodInfo {
    Method method;
    const char* label;   // title of the result column
    const char* caption; // of the check box
    MethodDialog dialog; // the dialog holding the check box
    ResultUnit unit;
    Inputs inputs; // a day missing one of them gets no value
    MethodFunction compute;
    // Inputs read only when the sheet has a column of them: the method is available
    // without them (see MethodAvailability.h).
    Inputs optional = 0;
};

// What a method cannot do without: it is available when the columns, or the estimates
// switched on, give each of these.
constexpr Inputs Needs(const MethodInfo& info) { return info.inputs & ~info.optional; }

// What the Penman family reads.
inline constexpr Inputs kPenmanInputs = kTemperatureInputs | kHumidityInputs | kRadiationInput | kWindInput;

inline constexpr std::array<MethodInfo, kMethodCount> kMethods = {{
    {Method::PenFao, "PenFAO", "Penman FAO (n 24)", MethodDialog::Combination, ResultUnit::MillimetresPerDay, kPenmanInputs | kSunshineInput,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> { return PenFao(c.day); }},
    {Method::PenFaoNoCorrection, "PFAOnocorr", "Penman FAO no correction", MethodDialog::Combination, ResultUnit::MillimetresPerDay, kPenmanInputs,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return PenFaoNoCorrection(c.day);
     }},
    {Method::PenMon, "PenMon", "Penman Monteith grass (FAO 56)", MethodDialog::Combination, ResultUnit::MillimetresPerDay, kPenmanInputs,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return PenMon(c.day, c.previousMeanTemperature, c.options.penMonSoilHeat);
     }},
    {Method::PriestleyTaylor, "P-T", "Priestley-Taylor", MethodDialog::Combination, ResultUnit::MillimetresPerDay, kTemperatureInputs | kHumidityInputs | kRadiationInput,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return PriestleyTaylor(c.day, c.options.priestleyTaylorAlpha);
     }},
    {Method::PenFaoRadiation, "PFAOrad", "Pen-FAO rad only", MethodDialog::Combination, ResultUnit::MillimetresPerDay, kPenmanInputs,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return PenFaoRadiation(c.day);
     }},
    {Method::PenFaoSunshine, "PFAOsun", "Pen-FAO sunsh. only", MethodDialog::Combination, ResultUnit::MillimetresPerDay,
     kTemperatureInputs | kHumidityInputs | kWindInput | kSunshineInput,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return PenFaoSunshine(c.day);
     }},
    {Method::Hargreaves, "Hargr.", "Hargreaves", MethodDialog::Others, ResultUnit::MillimetresPerDay, kTemperatureInputs,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return Hargreaves(c.day, c.hargreaves);
     }},
    {Method::Turc, "Turc", "Turc", MethodDialog::Others, ResultUnit::MillimetresPerDay, kTemperatureInputs | kRadiationInput,
     [](const DailyWeather& D, const SiteDay& S, MethodContext& c) -> std::optional<double> {
         return Turc(D, S, c.options.turcHumidity);
     }},
    {Method::Thornthwaite, "Thornt.", "Thorntwaite", MethodDialog::Others, ResultUnit::MillimetresPerDay,
     kTemperatureInputs,
     [](const DailyWeather&, const SiteDay& S, MethodContext& c) -> std::optional<double> {
         return Thornthwaite(c.thornthwaite, S, c.day.DaylightHours());
     }},
    {Method::PriestleyTaylorExtrad, "P-T extrad", "Priestley-Taylor (with extimated radiation)", MethodDialog::Others, ResultUnit::MillimetresPerDay, kTemperatureInputs,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return PriestleyTaylorExtrad(c.day, c.monthlyRange, c.options.ptExtradKrs);
     }},
    // The plain FAO-24 form reads the temperatures only; the adjusted form, with a
    // sunshine column, also RH min, sunshine and wind (DayInputs).
    {Method::BlaneyCriddle, "Bl-Cr", "Blaney-Criddle", MethodDialog::Others, ResultUnit::MillimetresPerDay,
     kTemperatureInputs | kMinimumHumidityInput | kSunshineInput | kWindInput,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         return BlaneyCriddle(c.day, c.blaneyCriddle);
     },
     kMinimumHumidityInput | kSunshineInput | kWindInput},
    {Method::PotentialRadiation, "PotRad", "Print potential radiation", MethodDialog::Others, ResultUnit::MegajoulesPerSquareMetreDay, 0,
     [](const DailyWeather&, const SiteDay&, MethodContext& c) -> std::optional<double> {
         const bool mm = c.options.potentialRadiationUnit == PotentialRadiationUnit::MillimetresPerDay;
         return mm ? PotentialRadiation(c.day) * MmPerMJ : PotentialRadiation(c.day);
     }},
    {Method::AsceShort, "ASCE short", "ASCE short reference (grass)", MethodDialog::Standard, ResultUnit::MillimetresPerDay, kPenmanInputs,
     [](const DailyWeather& D, const SiteDay& S, MethodContext& c) -> std::optional<double> {
         return AsceStandardized(D, S, kAsceShort, c.options.asceClearSky);
     }},
    {Method::AsceTall, "ASCE tall", "ASCE tall reference (alfalfa)", MethodDialog::Standard, ResultUnit::MillimetresPerDay, kPenmanInputs,
     [](const DailyWeather& D, const SiteDay& S, MethodContext& c) -> std::optional<double> {
         return AsceStandardized(D, S, kAsceTall, c.options.asceClearSky);
     }},
}};

constexpr const MethodInfo& Info(Method method) { return kMethods[Index(method)]; }

// The titles of the result columns, in the order of kMethods.
inline constexpr std::array<std::string_view, kMethodCount> kResultLabels = [] {
    std::array<std::string_view, kMethodCount> labels{};
    for (std::size_t i = 0; i < kMethods.size(); ++i) labels[i] = kMethods[i].label;
    return labels;
}();

static_assert(
    [] {
        for (std::size_t i = 0; i < kMethods.size(); ++i)
            if (Index(kMethods[i].method) != i) return false;
        return true;
    }(),
    "kMethods lists every method once, in the order of Method");

// What a method reads on each day with these columns, so what a day must have for a
// value: the inputs of its row, but the plain Blaney-Criddle form (without the columns
// of its adjustment, BlaneyCriddleAdjusts) reads the temperatures only.
Inputs DayInputs(const MethodInfo& info, const ColumnMap& columns);

// The method whose result label is exactly this text.
std::optional<Method> MethodOfLabel(std::string_view label);

// The methods of a dialog's check boxes, in table order.
std::vector<Method> MethodsOf(MethodDialog dialog);

// The labels of the daily ET methods that the model files, on-demand irrigation and the
// crop balance may read, in this order (label number 1..13): the six combination methods
// and the two standardized references, numbered as they were before the others joined,
// then the other methods in mm a day. PotRad is radiation, not ET.
inline constexpr auto kEtLabels = [] {
    constexpr auto first = [](const MethodInfo& info) {
        return info.dialog == MethodDialog::Combination || info.dialog == MethodDialog::Standard;
    };
    constexpr auto isEt = [](const MethodInfo& info) { return info.unit == ResultUnit::MillimetresPerDay; };
    constexpr auto count = [isEt] {
        std::size_t n = 0;
        for (const MethodInfo& info : kMethods) n += isEt(info) ? 1 : 0;
        return n;
    }();
    std::array<const char*, count> labels{};
    std::size_t i = 0;
    for (const MethodInfo& info : kMethods)
        if (isEt(info) && first(info)) labels[i++] = info.label;
    for (const MethodInfo& info : kMethods)
        if (isEt(info) && !first(info)) labels[i++] = info.label;
    return labels;
}();

// How many of kEtLabels lead (the eight of the combination and standard dialogs): a
// choice left to itself reads the last column of these, as it did before the others joined.
inline constexpr int kLeadingEtLabels = [] {
    int n = 0;
    for (const MethodInfo& info : kMethods)
        n += info.dialog == MethodDialog::Combination || info.dialog == MethodDialog::Standard ? 1 : 0;
    return n;
}();

struct EtColumns {
    int count = 0;                                  // matches, one per column
    std::vector<int> labels;                        // label number (1..13) of each match, in column order
    std::vector<int> columns;                       // column of each match, in column order
    std::array<int, kEtLabels.size() + 1> column{}; // column of each label number (rightmost match), 0 when absent
};

// Columns 1..30 of row 1 whose title equals one of kEtLabels exactly.
EtColumns FindEtColumns(const MeteoSheet& sheet);

// A result column where columns are listed, chosen or shown: "PenMon (col 12)".
std::string ColumnName(std::string_view label, int column);

struct TitledColumn {
    std::string label;
    int column = 0;
};

// The names of listed columns: the label alone where no other listed column carries it,
// ColumnName where it repeats (Compute run twice adds a second set of columns).
std::vector<std::string> ColumnNames(const std::vector<TitledColumn>& columns);

// kEtLabels as the help texts list them: "PenFAO, PFAOnocorr, ..., ASCE tall".
std::string EtLabelList();

} // namespace etp
