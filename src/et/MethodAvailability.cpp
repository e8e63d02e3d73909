#include "et/MethodAvailability.h"

#include <algorithm>
#include <vector>

#include "et/Humidity.h"
#include "et/MethodTable.h"

namespace etp {

namespace {

// The variables as a sentence names them, in box order.
constexpr PerColumnBox<const char*> kVariableNames = {
    "date", "minimum temperature", "maximum temperature", "minimum humidity",
    "maximum humidity", "radiation", "wind", "sunshine"};

// The boxes every opening checks first: assigned, "0" allowed.
constexpr ColumnBox kCheckedFirst[] = {ColumnBox::Date,  ColumnBox::Tmin,  ColumnBox::Tmax,
                                       ColumnBox::RHmin, ColumnBox::RHmax, ColumnBox::Wind};

std::string Joined(const std::vector<std::string>& parts, const char* last)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? last : ", ") + parts[i];
    return text;
}

// The boxes of the variables a method needs that neither the columns nor the estimates
// give, in box order; humidity names the extremes' boxes that have no column.
std::vector<ColumnBox> NeedsNotGiven(Method method, const ColumnMap& columns, const EstimateSettings& estimates)
{
    const Inputs needs = Needs(Info(method));
    const auto lacks = [&columns](ColumnBox box) { return columns.column(box) == 0; };
    std::vector<ColumnBox> boxes;
    for (const ColumnBox box : {ColumnBox::Tmin, ColumnBox::Tmax, ColumnBox::RHmin, ColumnBox::RHmax,
                                ColumnBox::Radiation, ColumnBox::Wind, ColumnBox::Sunshine}) {
        bool missing = false;
        switch (box) {
        case ColumnBox::Tmin:
        case ColumnBox::Tmax: missing = (needs & kTemperatureInputs) && lacks(box); break;
        case ColumnBox::RHmin:
        case ColumnBox::RHmax:
            missing = (needs & kHumidityInputs) && !estimates.humidity &&
                      HumiditySourceOf(columns) == HumiditySource::None && lacks(box);
            break;
        case ColumnBox::Radiation: missing = (needs & kRadiationInput) && !estimates.radiation && lacks(box); break;
        case ColumnBox::Wind: missing = (needs & kWindInput) && !estimates.wind && lacks(box); break;
        case ColumnBox::Sunshine: missing = (needs & kSunshineInput) && lacks(box); break;
        default: break;
        }
        if (missing) boxes.push_back(box);
    }
    return boxes;
}

// The variables of these boxes as a sentence names them, humidity once.
std::vector<std::string> VariableNames(const std::vector<ColumnBox>& boxes)
{
    std::vector<std::string> names;
    for (const ColumnBox box : boxes) {
        const bool humidity = box == ColumnBox::RHmin || box == ColumnBox::RHmax;
        if (humidity && !names.empty() && names.back() == "humidity") continue;
        names.emplace_back(humidity ? "humidity" : kVariableNames[box]);
    }
    return names;
}

// What the boxes and the estimates give of the variables the openings look at.
struct Present {
    bool date = false;      // a date box assigned, or the parts of a date
    bool humidity = false;  // both extremes' boxes assigned, another humidity box naming a column, or its estimate
    bool radiation = false; // the radiation box naming a column, or its estimate
    bool wind = false;      // the wind box assigned, or its estimate
};

Present PresentOf(const ColumnMap& columns, const EstimateSettings& estimates)
{
    return {
        .date = columns.assigned(ColumnBox::Date) || columns.dateForm() != DateForm::None,
        .humidity = (columns.assigned(ColumnBox::RHmin) && columns.assigned(ColumnBox::RHmax)) ||
                    columns.humidityGiven() || estimates.humidity,
        .radiation = columns.available(ColumnBox::Radiation) || estimates.radiation,
        .wind = columns.assigned(ColumnBox::Wind) || estimates.wind,
    };
}

} // namespace

Availability MethodAvailability(Method method, const ColumnMap& columns, const EstimateSettings& estimates)
{
    const std::vector<ColumnBox> boxes = NeedsNotGiven(method, columns, estimates);
    if (boxes.empty()) return {};
    const std::vector<std::string> names = VariableNames(boxes);
    std::string reason = "needs the " + Joined(names, " and ") + (names.size() == 1 ? " column; " : " columns; ");
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::string& text = columns.text(boxes[i]);
        reason += std::string(i == 0 ? "" : ", ") + "box " + kVariableCaptions[boxes[i]] + " is " +
                  (text.empty() ? "empty" : text);
    }
    return {.available = false, .reason = reason};
}

std::string ColumnsNeededText(Method method, const ColumnMap& columns, const EstimateSettings& estimates)
{
    if (Needs(Info(method)) == 0) return {}; // PotRad: enabled whatever the boxes hold
    // What the opening checks first, then what the method needs besides.
    const Present present = PresentOf(columns, estimates);
    std::vector<ColumnBox> missing;
    for (const ColumnBox box : kCheckedFirst) {
        const bool there = box == ColumnBox::Date                                      ? present.date
                           : box == ColumnBox::RHmin || box == ColumnBox::RHmax        ? present.humidity
                           : box == ColumnBox::Wind                                    ? present.wind
                                                                                       : columns.assigned(box);
        if (!there) missing.push_back(box);
    }
    for (const ColumnBox box : NeedsNotGiven(method, columns, estimates))
        if (std::find(missing.begin(), missing.end(), box) == missing.end()) missing.push_back(box);
    // Every opening needs radiation or sunshine.
    const bool either = !present.radiation && !columns.available(ColumnBox::Sunshine) &&
                        std::find(missing.begin(), missing.end(), ColumnBox::Radiation) == missing.end() &&
                        std::find(missing.begin(), missing.end(), ColumnBox::Sunshine) == missing.end();
    if (missing.empty() && !either) return {};

    std::vector<std::string> names;
    std::vector<std::string> boxes;
    for (const ColumnBox box : missing) {
        names.emplace_back(kVariableNames[box]);
        boxes.push_back(std::string("\"") + kVariableCaptions[box] + "\" (now \"" + columns.text(box) + "\")");
    }
    if (either) {
        names.emplace_back("radiation or sunshine");
        boxes.push_back(std::string("\"") + kVariableCaptions[ColumnBox::Radiation] + "\" or \"" +
                        kVariableCaptions[ColumnBox::Sunshine] + "\" (now \"" + columns.text(ColumnBox::Radiation) +
                        "\" and \"" + columns.text(ColumnBox::Sunshine) + "\")");
    }
    const bool one = names.size() == 1;
    return "Needs the " + Joined(names, " and ") + (one ? " column" : " columns") + ": type " +
           (one ? "its number in the box " : "their numbers in the boxes ") + Joined(boxes, " and ") + ".";
}

std::string EstimatesUsedText(Method method, const ColumnMap& columns, const EstimateSettings& estimates)
{
    const Inputs inputs = Info(method).inputs;
    std::vector<std::string> words;
    if ((inputs & kRadiationInput) && estimates.radiation && !columns.available(ColumnBox::Radiation))
        words.emplace_back(columns.available(ColumnBox::Sunshine) ? "radiation from the sunshine"
                                                                   : "radiation from the temperature range");
    if ((inputs & kHumidityInputs) && estimates.humidity && HumiditySourceOf(columns) == HumiditySource::None)
        words.emplace_back("humidity from T min");
    if ((inputs & kWindInput) && estimates.wind && !columns.available(ColumnBox::Wind)) words.emplace_back("wind 2 m/s");
    if (words.empty()) return {};
    return "Estimated on every day (Option > Missing data): " + Joined(words, " and ") + ".";
}

ColumnCheck OpenMethodDialog(const ColumnMap& columns, MethodSelection& methods,
                             const EstimateSettings& estimates)
{
    methods.enabled = MethodSelection{}.enabled;
    const Present present = PresentOf(columns, estimates);
    if (!present.date || !columns.assigned(ColumnBox::Tmin) || !columns.assigned(ColumnBox::Tmax) || !present.humidity)
        return ColumnCheck::VariableMissing;
    const bool radiation = present.radiation;
    const bool sunshine = columns.available(ColumnBox::Sunshine);
    if (!radiation && !sunshine) return ColumnCheck::NoRadiationOrSunshine;
    if (!present.wind) return ColumnCheck::WindMissing;

    for (const MethodInfo& info : kMethods)
        methods.enabled[info.method] = MethodAvailability(info.method, columns, estimates).available;
    return ColumnCheck::Passed;
}

Outcome ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods)
{
    for (const MethodInfo& info : kMethods)
        if (info.dialog == dialog && methods.checked[info.method]) return Outcome::Done();
    return Outcome::Refused(kSelectOneMethod);
}

} // namespace etp
