#include "et/Compute.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Refusal.h"
#include "base/ToSingle.h"
#include "et/DayReader.h"
#include "et/DayTerms.h"
#include "et/Fao56Terms.h"
#include "et/Humidity.h"
#include "et/MethodAvailability.h"
#include "et/MethodTable.h"
#include "et/MonthlyTable.h"
#include "et/PenMon.h"
#include "et/ResultFormat.h"
#include "sheet/DateParts.h"
#include "sheet/NumericValue.h"
#include "sheet/RowDates.h"
#include "sheet/SheetQueries.h"

namespace etp {

namespace {

// The days each method could not compute for want of an input, and those it computed from
// an estimate, for the closing note.
class SkippedDays {
public:
    void add(Method method, int row, const std::string& date)
    {
        auto& rows = rows_[method];
        ++count_[method];
        if (rows.size() < kRowsShown) rows.push_back(RowWithDate(row, date));
    }
    void addEstimated(Method method) { ++estimated_[method]; }
    // "PenMon: 12 days not computed, inputs missing: rows 45 (14/02/18), 46 (15/02/18), ...",
    // then "PenMon: 30 days computed from estimates", a line per method.
    std::string text() const
    {
        std::string lines;
        const auto append = [&lines](const std::string& line) { lines += (lines.empty() ? "" : "\n") + line; };
        for (const MethodInfo& info : kMethods) {
            const int count = count_[info.method];
            if (count == 0) continue;
            std::string line = std::string(info.label) + ": " + Days(count) + " not computed, inputs missing: " +
                               (count == 1 ? "row " : "rows ");
            for (std::size_t k = 0; k < rows_[info.method].size(); ++k) line += (k == 0 ? "" : ", ") + rows_[info.method][k];
            if (count > static_cast<int>(kRowsShown)) line += ", ...";
            append(line);
        }
        for (const MethodInfo& info : kMethods)
            if (const int count = estimated_[info.method]; count > 0)
                append(std::string(info.label) + ": " + Days(count) + " computed from estimates");
        return lines;
    }

private:
    static std::string Days(int count) { return std::to_string(count) + (count == 1 ? " day" : " days"); }
    static constexpr std::size_t kRowsShown = 10;
    PerMethod<int> count_{}, estimated_{};
    PerMethod<std::vector<std::string>> rows_{};
};

// PenMon's memory when it skips a day: the day's mean temperature when both were
// measured; without them, the next day starts as a series' first day does.
void ForgetMeanTemperature(const DailyWeather& D, Inputs missing, double& PreviousMeanTemperature)
{
    PreviousMeanTemperature = (missing & kTemperatureInputs) ? 0 : MeanTemperature(D);
}

// What Compute checks of the sheet before it adds a column: each assigned box names a
// column of the sheet (or holds "0"), and the first day has a date.
std::optional<std::string> CheckColumnsAndFirstDay(const MeteoSheet& sheet, const ColumnMap& columns)
{
    for (const ColumnBox box : kAllColumnBoxes) {
        const std::string& text = columns.text(box);
        if (!columns.available(box) || (IsNumberText(text) && columns.column(box) != 0)) continue;
        return std::string("The column box of ") + kVariableCaptions[box] + " holds no column number from 1 to " +
               std::to_string(MeteoSheet::kMaxColumns) + ", nor 0: \"" + text +
               "\". Type the number of its column in the sheet, or 0 when the sheet has none.";
    }
    if (LastDataRow(sheet, columns) < 2) return std::nullopt;
    const std::string first = RowDates(sheet, columns).text(2);
    if (!DateParts(first)) return "The date in row 2 is not a date: \"" + first + "\"." + kDateAdvice;
    return std::nullopt;
}

} // namespace

Outcome CheckComputeSettings(const ComputeSettings& settings)
{
    // Without a date column there are no days to compute.
    if (settings.columns.dateForm() == DateForm::None) return Outcome::Refused(kProblemsInVariables);
    if (const auto problem = CheckStation(settings.station)) return Outcome::Refused(problem->message);
    return Outcome::Done();
}

bool StationAtOrigin(const StationValues& station)
{
    return ToSingle(station.altitude) == 0 && ToSingle(station.latitude) == 0;
}

Outcome Compute(MeteoSheet& sheet, const ComputeSettings& settings, double& PreviousMeanTemperature)
{
    if (Outcome checked = CheckComputeSettings(settings); !checked.done()) return checked;
    SiteDay S;
    DailyWeather D;
    ReadStation(settings.station, S);

    // The monthly temperature ranges serve "P-T extrad" alone; a pass over the whole
    // series is saved when it is not chosen.
    MonthlyTemperatureRange table;
    if (settings.methods.checked[Method::PriestleyTaylorExtrad])
        BuildMonthlyTemperatureRange(sheet, settings.columns, table, settings.units);
    // Thornthwaite's monthly means and heat indices, likewise.
    ThornthwaiteYears thornthwaite;
    if (settings.methods.checked[Method::Thornthwaite]) thornthwaite = BuildThornthwaiteYears(sheet, settings.columns, settings.units);
    BlaneyCriddleRun blaneyCriddle{.adjusted = BlaneyCriddleAdjusts(settings.columns), .annualDaylightHours = {}};

    // A ticked method the columns do not give every input is left out, and said why.
    std::vector<const MethodInfo*> chosen;
    std::string unavailable;
    Inputs needed = 0; // what the chosen methods read
    const EstimateSettings& estimates = settings.estimates;
    for (const MethodInfo& info : kMethods) {
        if (!settings.methods.checked[info.method]) continue;
        if (const Availability availability = MethodAvailability(info.method, settings.columns, estimates);
            !availability.available) {
            unavailable += (unavailable.empty() ? "" : "\n") + std::string(info.label) + ": " + availability.reason;
            continue;
        }
        chosen.push_back(&info);
        needed |= DayInputs(info, settings.columns);
    }
    if (estimates.any())
        if (const auto problem = CheckEstimateSettings(estimates)) return Outcome::Refused(*problem);
    if (const auto problem = CheckColumnsAndFirstDay(sheet, settings.columns)) return Outcome::Refused(*problem);
    if (chosen.empty()) return Outcome::Refused(unavailable, Icon::Exclamation);
    std::vector<Inputs> dayInputs; // of each chosen method
    for (const MethodInfo* info : chosen) dayInputs.push_back(DayInputs(*info, settings.columns));
    const int count = static_cast<int>(chosen.size()) + (estimates.any() ? 1 : 0);
    const int used = UsedColumnCount(sheet);
    if (used + count > MeteoSheet::kMaxColumns)
        return Outcome::Refused("The data sheet has no room for " + std::to_string(count) +
                                " more result columns: it holds " + std::to_string(used) + " of at most " +
                                std::to_string(MeteoSheet::kMaxColumns) + " columns.");

    // Each label lands right after the last title, with room checked: the columns are adjacent.
    // The estimates of each day follow the results, in a column of their own.
    const int firstResultColumn = used + 1;
    int column = used;
    for (const MethodInfo* info : chosen) sheet.setCellText(1, ++column, info->label);
    if (estimates.any()) sheet.setCellText(1, ++column, kEstimatedLabel);

    const DayReader reader(sheet, settings.columns, settings.units, settings.station, estimates);
    const StationTerms station(S.Latitude, S.Altitude);
    const int last = LastDataRow(sheet, settings.columns);
    std::array<char, kMethodCount * kResultBufferSize> texts;
    std::array<std::string_view, kMethodCount + 1> cells;
    std::size_t done = 0; // cells of the row so far
    bool anyValue = false;
    SkippedDays skipped;
    std::string estimated; // the row's words for the "Estimated" column
    // Writes them; also when an error ends the row: what was computed before it stays.
    auto writeRow = [&](int r) {
        sheet.setCells(r, firstResultColumn, std::span(cells.data(), done));
        for (std::size_t k = 0; k < done; ++k) anyValue = anyValue || !cells[k].empty();
    };
    // A stop before the first value leaves no empty result columns behind.
    auto stop = [&](int r, const std::string& message) {
        if (!anyValue)
            for (int c = firstResultColumn; c <= column; ++c) sheet.setCellText(1, c, "");
        std::string text = message;
        for (const std::string& notes : {unavailable, skipped.text()})
            if (!notes.empty()) text += "\n" + notes;
        return Outcome::StoppedAt(r, text);
    };
    for (int r = 2; r <= last; ++r) {
        const MethodInfo* running = nullptr;
        done = 0;
        try {
            const DayGaps gaps = reader.read(r, D, S);
            const Inputs missing = reader.estimate(gaps, needed, D, S, station, estimated);
            DayTerms day(D, S, &station);
            MethodContext context{day, settings.hargreaves, table, PreviousMeanTemperature, settings.options,
                                  thornthwaite, blaneyCriddle};
            for (std::size_t k = 0; k < chosen.size(); ++k) {
                const MethodInfo* info = chosen[k];
                running = info;
                std::optional<double> value;
                if (dayInputs[k] & missing) {
                    skipped.add(info->method, r, gaps.date);
                    if (info->method == Method::PenMon) ForgetMeanTemperature(D, missing, PreviousMeanTemperature);
                } else {
                    value = info->compute(D, S, context);
                    if (dayInputs[k] & EstimatedInputs(estimated)) skipped.addEstimated(info->method);
                }
                if (value && !std::isfinite(*value)) throw ArithmeticError(std::string("overflow in ") + info->label);
                char* text = texts.data() + static_cast<std::ptrdiff_t>(done) * kResultBufferSize;
                const int length = value ? FormatResult(*value, text) : 0;
                cells[done] = std::string_view(text, static_cast<std::size_t>(length));
                ++done;
            }
            if (estimates.any()) cells[done++] = estimated;
            writeRow(r);
        } catch (const ArithmeticError& error) {
            writeRow(r);
            std::string where = "Arithmetic error in row " + std::to_string(r);
            if (running) where += std::string(", method ") + running->label;
            return stop(r, where + ": " + error.what());
        } catch (const UnreadableDate& error) {
            writeRow(r);
            return stop(r, error.what());
        }
    }
    std::string notes = unavailable;
    if (const std::string gaps = skipped.text(); !gaps.empty()) notes += (notes.empty() ? "" : "\n") + gaps;
    if (const std::string years = ThornthwaiteNotes(thornthwaite); !years.empty())
        notes += (notes.empty() ? "" : "\n") + years;
    return Outcome::Done(notes, Icon::Exclamation);
}

} // namespace etp