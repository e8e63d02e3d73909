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
void ForgetMeanTemperature(const DailyWeather& D, Inputs missing, double& previousMeanTemperature)
{
    previousMeanTemperature = (missing & kTemperatureInputs) ? 0 : MeanTemperature(D);
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

// What a run computes: the ticked methods the columns allow, in table order, with what
// each reads of a day; what they read together; why the others were left out; and the
// whole-series tables of the methods that need one.
struct ComputeRun {
    std::vector<const MethodInfo*> chosen;
    std::vector<Inputs> dayInputs; // of each chosen method
    Inputs needed = 0;
    std::string unavailable; // a line per ticked method left out
    MonthlyTemperatureRange monthlyRange;
    ThornthwaiteYears thornthwaite;
    BlaneyCriddleRun blaneyCriddle;
};

ComputeRun PrepareRun(const MeteoSheet& sheet, const ComputeSettings& settings)
{
    ComputeRun run;
    const MethodSelection& methods = settings.methods;
    // The monthly temperature ranges serve "P-T extrad" alone, Thornthwaite's monthly
    // means and heat indices Thornthwaite: a pass over the series is saved when the
    // method is not ticked.
    if (methods.checked[Method::PriestleyTaylorExtrad])
        BuildMonthlyTemperatureRange(sheet, settings.columns, run.monthlyRange, settings.units);
    if (methods.checked[Method::Thornthwaite])
        run.thornthwaite = BuildThornthwaiteYears(sheet, settings.columns, settings.units);
    run.blaneyCriddle = {.adjusted = BlaneyCriddleAdjusts(settings.columns), .annualDaylightHours = {}};
    for (const MethodInfo& info : kMethods) {
        if (!methods.checked[info.method]) continue;
        if (const Availability availability = MethodAvailability(info.method, settings.columns, settings.estimates);
            !availability.available) {
            run.unavailable += (run.unavailable.empty() ? "" : "\n") + std::string(info.label) + ": " + availability.reason;
            continue;
        }
        run.chosen.push_back(&info);
        run.dayInputs.push_back(DayInputs(info, settings.columns));
        run.needed |= run.dayInputs.back();
    }
    return run;
}

// The result columns, right after the last title and adjacent: one per chosen method,
// then the "Estimated" column when estimates are on.
struct ResultColumns {
    int first = 0, last = 0;
};

// Labels the result columns in row 1; the refusal when the sheet has no room for them.
std::optional<std::string> LabelColumns(MeteoSheet& sheet, const ComputeRun& run, bool estimates,
                                        ResultColumns& columns)
{
    const int count = static_cast<int>(run.chosen.size()) + (estimates ? 1 : 0);
    const int used = UsedColumnCount(sheet);
    if (used + count > MeteoSheet::kMaxColumns)
        return "The data sheet has no room for " + std::to_string(count) + " more result columns: it holds " +
               std::to_string(used) + " of at most " + std::to_string(MeteoSheet::kMaxColumns) + " columns.";
    columns = {used + 1, used + count};
    int column = used;
    for (const MethodInfo* info : run.chosen) sheet.setCellText(1, ++column, info->label);
    if (estimates) sheet.setCellText(1, ++column, kEstimatedLabel);
    return std::nullopt;
}

// One row's result cells, in column order: each method's "##.##" or empty, then the
// estimates' words. `running` names the method an error came from. The day records are
// filled afresh by the reader on each row, the station's part once.
struct RowCells {
    DailyWeather D;
    SiteDay S;
    std::array<char, kMethodCount * kResultBufferSize> texts;
    std::array<std::string_view, kMethodCount + 1> cells;
    std::size_t done = 0;
    const MethodInfo* running = nullptr;
    std::string estimated; // the row's words for the "Estimated" column
};

// The run's methods on row r, into `row` cell by cell, so that what was computed before
// an error is kept. A method that reads a missing input leaves its cell empty and the day
// in `skipped`.
void ComputeRow(int r, ComputeRun& run, const ComputeSettings& settings, const DayReader& reader,
                const StationTerms& station, double& previousMeanTemperature, SkippedDays& skipped, RowCells& row)
{
    DailyWeather& D = row.D;
    SiteDay& S = row.S;
    row.done = 0;
    row.running = nullptr;
    const DayGaps gaps = reader.read(r, D, S);
    const Inputs missing = reader.estimate(gaps, run.needed, D, S, station, row.estimated);
    DayTerms day(D, S, &station);
    MethodContext context{day, settings.hargreaves, run.monthlyRange, previousMeanTemperature, settings.options,
                          run.thornthwaite, run.blaneyCriddle};
    for (std::size_t k = 0; k < run.chosen.size(); ++k) {
        const MethodInfo* info = run.chosen[k];
        row.running = info;
        std::optional<double> value;
        if (run.dayInputs[k] & missing) {
            skipped.add(info->method, r, gaps.date);
            if (info->method == Method::PenMon) ForgetMeanTemperature(D, missing, previousMeanTemperature);
        } else {
            value = info->compute(D, S, context);
            if (run.dayInputs[k] & EstimatedInputs(row.estimated)) skipped.addEstimated(info->method);
        }
        if (value && !std::isfinite(*value)) throw ArithmeticError(std::string("overflow in ") + info->label);
        char* text = row.texts.data() + static_cast<std::ptrdiff_t>(row.done) * kResultBufferSize;
        const int length = value ? FormatResult(*value, text) : 0;
        row.cells[row.done++] = std::string_view(text, static_cast<std::size_t>(length));
    }
    if (settings.estimates.any()) row.cells[row.done++] = row.estimated;
}

// The parts that are not empty, a line each.
std::string JoinLines(std::initializer_list<std::string> parts)
{
    std::string lines;
    for (const std::string& part : parts)
        if (!part.empty()) lines += (lines.empty() ? "" : "\n") + part;
    return lines;
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


Outcome Compute(MeteoSheet& sheet, const ComputeSettings& settings, double& previousMeanTemperature)
{
    if (Outcome checked = CheckComputeSettings(settings); !checked.done()) return checked;
    ComputeRun run = PrepareRun(sheet, settings);
    const EstimateSettings& estimates = settings.estimates;
    if (estimates.any())
        if (const auto problem = CheckEstimateSettings(estimates)) return Outcome::Refused(*problem);
    if (const auto problem = CheckColumnsAndFirstDay(sheet, settings.columns)) return Outcome::Refused(*problem);
    if (run.chosen.empty()) return Outcome::Refused(run.unavailable, Outcome::Gravity::Warning);
    ResultColumns results;
    if (const auto problem = LabelColumns(sheet, run, estimates.any(), results)) return Outcome::Refused(*problem);

    RowCells row;
    ReadStation(settings.station, row.S);
    const StationTerms station(row.S.Latitude, row.S.Altitude);
    const DayReader reader(sheet, settings.columns, settings.units, settings.station, estimates);
    const int last = LastDataRow(sheet, settings.columns);
    bool anyValue = false;
    SkippedDays skipped;
    // Writes the row's cells; also when an error ends the row: what was computed before it stays.
    auto writeRow = [&](int r) {
        sheet.setCells(r, results.first, std::span(row.cells.data(), row.done));
        for (std::size_t k = 0; k < row.done; ++k) anyValue = anyValue || !row.cells[k].empty();
    };
    // A stop before the first value leaves no empty result columns behind.
    auto stop = [&](int r, const std::string& message) {
        if (!anyValue)
            for (int c = results.first; c <= results.last; ++c) sheet.setCellText(1, c, "");
        return Outcome::StoppedAt(r, JoinLines({message, run.unavailable, skipped.text()}));
    };
    for (int r = 2; r <= last; ++r) {
        try {
            ComputeRow(r, run, settings, reader, station, previousMeanTemperature, skipped, row);
            writeRow(r);
        } catch (const ArithmeticError& error) {
            writeRow(r);
            std::string where = "Arithmetic error in row " + std::to_string(r);
            if (row.running) where += std::string(", method ") + row.running->label;
            return stop(r, where + ": " + error.what());
        } catch (const UnreadableDate& error) {
            writeRow(r);
            return stop(r, error.what());
        }
    }
    // The closing note: the methods left out, the days skipped or estimated, Thornthwaite's years.
    return Outcome::Done(JoinLines({run.unavailable, skipped.text(), ThornthwaiteNotes(run.thornthwaite)}),
                         Outcome::Gravity::Warning);
}

} // namespace etp
