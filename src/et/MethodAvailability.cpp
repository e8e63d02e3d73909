#include "et/MethodAvailability.h"

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

// The boxes an opening needs available beyond the first checks. The combination
// dialog's opening with radiation alone also asks for no sunshine; another opening of
// the same methods takes sunshine as well, so only what is missing is counted.
std::vector<ColumnBox> NeededByOpening(Openings opening)
{
    switch (opening) {
    case kCombinationBoth: return {ColumnBox::Radiation, ColumnBox::Sunshine};
    case kCombinationRadiation:
    case kStandardRadiation: return {ColumnBox::Radiation};
    case kCombinationSunshine: return {ColumnBox::Sunshine};
    default: return {};
    }
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

std::string Joined(const std::vector<std::string>& parts, const char* last)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : i + 1 == parts.size() ? last : ", ") + parts[i];
    return text;
}

} // namespace

std::string ColumnsNeededText(Method method, const ColumnMap& columns, const EstimateSettings& estimates)
{
    const Present present = PresentOf(columns, estimates);
    std::vector<ColumnBox> missing;
    for (const ColumnBox box : kCheckedFirst) {
        const bool there = box == ColumnBox::Date                                      ? present.date
                           : box == ColumnBox::RHmin || box == ColumnBox::RHmax        ? present.humidity
                           : box == ColumnBox::Wind                                    ? present.wind
                                                                                       : columns.assigned(box);
        if (!there) missing.push_back(box);
    }
    // Of the openings that enable the method, the one that asks for the fewest boxes.
    std::vector<ColumnBox> fewest;
    bool found = false;
    for (Openings opening = 1; opening <= kEveryOpening; opening <<= 1) {
        if (!(Info(method).enabledBy & opening)) continue;
        std::vector<ColumnBox> needed;
        for (const ColumnBox box : NeededByOpening(opening))
            if (box == ColumnBox::Radiation ? !present.radiation : !columns.available(box)) needed.push_back(box);
        if (!found || needed.size() < fewest.size()) fewest = needed;
        found = true;
    }
    missing.insert(missing.end(), fewest.begin(), fewest.end());
    // Every opening needs radiation or sunshine.
    const bool either = fewest.empty() && !present.radiation && !columns.available(ColumnBox::Sunshine);
    if (missing.empty() && !either) return {};

    std::vector<std::string> names;
    std::vector<std::string> boxes;
    for (const ColumnBox box : missing) {
        names.emplace_back(kVariableNames[box]);
        boxes.push_back(std::string("\"") + kVariableCaptions[box] + "\" (now \"" + columns.text[box] + "\")");
    }
    if (either) {
        names.emplace_back("radiation or sunshine");
        boxes.push_back(std::string("\"Rad.\" or \"Suns. dur.\" (now \"") + columns.text[ColumnBox::Radiation] +
                        "\" and \"" + columns.text[ColumnBox::Sunshine] + "\")");
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

ColumnCheck OpenMethodDialog(MethodDialog dialog, const ColumnMap& columns, MethodSelection& methods,
                             const EstimateSettings& estimates)
{
    const Present present = PresentOf(columns, estimates);
    if (!present.date || !columns.assigned(ColumnBox::Tmin) || !columns.assigned(ColumnBox::Tmax) || !present.humidity)
        return ColumnCheck::VariableMissing;
    const bool radiation = present.radiation;
    const bool sunshine = columns.available(ColumnBox::Sunshine);
    if (!radiation && !sunshine) return ColumnCheck::NoRadiationOrSunshine;
    if (!present.wind) return ColumnCheck::WindMissing;

    const Openings opening = dialog == MethodDialog::Others   ? kOthersAny
                             : dialog == MethodDialog::Standard ? (radiation ? kStandardRadiation : 0)
                             : radiation && sunshine          ? kCombinationBoth
                             : radiation                      ? kCombinationRadiation
                                                              : kCombinationSunshine;
    for (const MethodInfo& info : kMethods)
        if (info.enabledBy & opening) methods.enabled[info.method] = true;
    return ColumnCheck::Passed;
}

Outcome ConfirmMethodDialog(MethodDialog dialog, const MethodSelection& methods)
{
    for (const MethodInfo& info : kMethods)
        if (info.dialog == dialog && methods.checked[info.method]) return Outcome::Done();
    return Outcome::Refused(kSelectOneMethod);
}

} // namespace etp
