#include "et/Compute.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>

#include "base/ArithmeticError.h"
#include "base/ToSingle.h"
#include "et/CombinationMethods.h"
#include "et/DayTerms.h"
#include "et/Fao56Terms.h"
#include "et/MethodAvailability.h"
#include "et/MonthlyTable.h"
#include "et/PenMon.h"
#include "et/ResultFormat.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

struct RowError {
    std::string text;
};

// Nothing can change the boxes, lists or station texts while the command runs, so
// their numbers are read once.
class RowReader {
public:
    RowReader(const MeteoSheet& sheet, const ComputeSettings& settings) : sheet_(sheet)
    {
        for (int box = 0; box < kColumnBoxes; ++box) column_[static_cast<std::size_t>(box)] = settings.columns.column(box);
        radiationFactor_ = settings.units.factor(RadiationUnit);
        windFactor_ = settings.units.factor(WindUnit);
        sunshineFactor_ = settings.units.factor(SunshineUnit);
        windHeight_ = NumericValue(settings.station.windHeight);
    }

    // Inputs in the order the driver reads them.
    void read(int r, DailyWeather& D, SiteDay& S) const
    {
        D.Tmin = value(r, TminBox, 1, "T min");
        D.Tmax = value(r, TmaxBox, 1, "T max");
        D.RHmin = value(r, RHminBox, 1, "U.R. min");
        D.RHmax = value(r, RHmaxBox, 1, "U.R. max");
        D.Radiation = value(r, RadiationBox, radiationFactor_, "radiation");
        D.Wind = value(r, WindBox, windFactor_, "wind");
        if (windHeight_ != 2) D.Wind = ToSingleChecked(WindAt2m(D.Wind, windHeight_), "the wind height conversion");
        if (column_[SunshineBox] != 0) D.Sunshine = value(r, SunshineBox, sunshineFactor_, "sunshine");

        const std::string_view dateText = sheet_.cellText(r, column_[DateBox]);
        const auto date = DateParts(dateText);
        if (!date)
            throw RowError{"The date in row " + std::to_string(r) + " is not a date: \"" + std::string(dateText) + "\""};
        S.Day = ToSingle(date->Day);
        S.Month = ToSingle(date->Month);
        S.Year = ToSingle(date->Year);
    }

private:
    float value(int r, int box, double factor, const char* what) const
    {
        const double v = NumericValue(sheet_.cellText(r, column_[static_cast<std::size_t>(box)]));
        return ToSingleChecked(v * factor, what);
    }

    const MeteoSheet& sheet_;
    std::array<int, kColumnBoxes> column_{};
    double radiationFactor_ = 1, windFactor_ = 1, sunshineFactor_ = 1;
    double windHeight_ = 2; // [m]
};

std::optional<double> RunMethod(int k, const DailyWeather& D, const SiteDay& S, DayTerms& day,
                                const ComputeSettings& settings, double& PreviousMeanTemperature,
                                const MonthlyTemperatureRange& table)
{
    switch (k) {
    case MethodPenFao: return PenFao(day);
    case MethodPenFaoNoCorrection: return PenFaoNoCorrection(day);
    case MethodPenMon: return PenMon(day, PreviousMeanTemperature);
    case MethodPriestleyTaylor: return PriestleyTaylor(day);
    case MethodPenFaoRadiation: return PenFaoRadiation(day);
    case MethodPenFaoSunshine: return PenFaoSunshine(D, S);
    case MethodHargreaves: return Hargreaves(day, settings.hargreaves);
    case MethodTurc: return Turc(D, S);
    case MethodThornthwaite: return Thornthwaite(D, S);
    case MethodPriestleyTaylorExtrad: return PriestleyTaylorExtrad(D, S, table);
    case MethodBlaneyCriddle: return BlaneyCriddle(D, S);
    default: return PotentialRadiation(day);
    }
}

} // namespace

ComputeOutcome Compute(MeteoSheet& sheet, const ComputeSettings& settings, double& PreviousMeanTemperature,
                       UserInterface& ui)
{
    auto busy = ui.busy(Pointer::Busy);
    // Without a date column there are no days to compute.
    if (settings.columns.column(DateBox) == 0) {
        ui.message(kProblemsInVariables, kApplicationTitle, Icon::Critical);
        return ComputeOutcome::Refused;
    }

    SiteDay S;
    DailyWeather D;
    try {
        S.Altitude = ToSingleChecked(NumericValue(settings.station.altitude), "the altitude");
        S.Latitude = ToSingleChecked(NumericValue(settings.station.latitude), "the latitude");
    } catch (const ArithmeticError& error) {
        ui.message(std::string("Arithmetic error: ") + error.what(), kApplicationTitle, Icon::Critical);
        return ComputeOutcome::Refused;
    }
    if (S.Altitude == 0 && S.Latitude == 0 &&
        ui.question(kStationQuestion, kApplicationTitle, Icon::Question, Buttons::OkCancel) == Answer::Cancel)
        return ComputeOutcome::StationRequested;

    // The monthly temperature ranges serve "P-T extrad" alone; a pass over the whole
    // series is saved when it is not chosen.
    MonthlyTemperatureRange table;
    if (settings.methods.checked[MethodPriestleyTaylorExtrad]) BuildMonthlyTemperatureRange(sheet, settings.columns, table);

    const std::array<bool, kMethodCount> checked = settings.methods.checked;
    int chosen = 0;
    for (bool flag : checked) chosen += flag ? 1 : 0;
    const int used = UsedColumnCount(sheet);
    if (used + chosen > MeteoSheet::kMaxColumns) {
        ui.message("The data sheet has no room for " + std::to_string(chosen) + " more result columns: it holds " +
                       std::to_string(used) + " of at most " + std::to_string(MeteoSheet::kMaxColumns) + " columns.",
                   kApplicationTitle, Icon::Critical);
        return ComputeOutcome::Refused;
    }

    std::array<int, kMethodCount> resultColumn{};
    for (int k = 0; k < kMethodCount; ++k) {
        if (!checked[static_cast<std::size_t>(k)]) continue;
        const int n = UsedColumnCount(sheet);
        sheet.setCellText(1, n + 1, kResultLabels[static_cast<std::size_t>(k)]);
        resultColumn[static_cast<std::size_t>(k)] = UsedColumnCount(sheet);
    }

    const RowReader reader(sheet, settings);
    const StationTerms station(S.Latitude, S.Altitude);
    // The result columns follow each other, so a row's results go in with one call.
    int firstResultColumn = MeteoSheet::kMaxColumns + 1, lastResultColumn = 0;
    for (const int c : resultColumn)
        if (c != 0) {
            firstResultColumn = std::min(firstResultColumn, c);
            lastResultColumn = std::max(lastResultColumn, c);
        }
    const bool adjacent = lastResultColumn - firstResultColumn + 1 == chosen;
    const int last = LastDataRow(sheet, settings.columns);
    std::array<char, kMethodCount * kResultBufferSize> texts;
    std::array<std::string_view, kMethodCount> cells;
    std::array<int, kMethodCount> cellColumn{};
    int done = 0; // results of the row so far
    // Writes them; also when an error ends the row: what was computed before it stays.
    auto writeRow = [&](int r) {
        if (adjacent)
            sheet.setCells(r, firstResultColumn, std::span(cells.data(), static_cast<std::size_t>(done)));
        else
            for (int i = 0; i < done; ++i)
                sheet.setCellText(r, cellColumn[static_cast<std::size_t>(i)], cells[static_cast<std::size_t>(i)]);
    };
    for (int r = 2; r <= last; ++r) {
        int k = -1;
        done = 0;
        try {
            reader.read(r, D, S);
            DayTerms day(D, S, &station);
            for (k = 0; k < kMethodCount; ++k) {
                if (!checked[static_cast<std::size_t>(k)]) continue;
                const auto value = RunMethod(k, D, S, day, settings, PreviousMeanTemperature, table);
                if (value && !std::isfinite(*value))
                    throw ArithmeticError(std::string("overflow in ") + kResultLabels[static_cast<std::size_t>(k)]);
                char* text = texts.data() + static_cast<std::ptrdiff_t>(done) * kResultBufferSize;
                const int length = value ? FormatResult(*value, text) : 0;
                cells[static_cast<std::size_t>(done)] = std::string_view(text, static_cast<std::size_t>(length));
                cellColumn[static_cast<std::size_t>(done)] = resultColumn[static_cast<std::size_t>(k)];
                ++done;
            }
            writeRow(r);
        } catch (const ArithmeticError& error) {
            writeRow(r);
            std::string where = "Arithmetic error in row " + std::to_string(r);
            if (k >= 0 && k < kMethodCount) where += std::string(", method ") + kResultLabels[static_cast<std::size_t>(k)];
            ui.message(where + ": " + error.what(), kApplicationTitle, Icon::Critical);
            return ComputeOutcome::Stopped;
        } catch (const RowError& error) {
            writeRow(r);
            ui.message(error.text, kApplicationTitle, Icon::Critical);
            return ComputeOutcome::Stopped;
        }
    }
    return ComputeOutcome::Completed;
}

} // namespace etp
