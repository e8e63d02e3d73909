#include "sheet/Station.h"

#include <cmath>
#include <iterator>

#include "sheet/DecimalText.h"
#include "sheet/NumericValue.h"

namespace etp {

namespace {

// Each station box: its label in messages and what the formulas take.
struct StationRange {
    StationBox box;
    const char* label;
    double least, most;
    const char* range;
};
constexpr StationRange kStationRanges[] = {
    {StationBox::Latitude, "Latitude (°)", -90, 90, "from -90 to 90"},
    {StationBox::Altitude, "Altitude a.s.l. (m)", -500, 9000, "from -500 to 9000"},
    {StationBox::WindHeight, "Wind speed measurement high (m)", 0.1, HUGE_VAL, "at least 0.1"},
};

// The box's value outside its range, the message showing it as `text`.
std::optional<StationProblem> OutOfRange(const StationRange& b, double value, const std::string& text)
{
    if (value >= b.least && value <= b.most) return std::nullopt;
    return StationProblem{b.box, std::string(b.label) + " must be " + b.range + ": \"" + text + "\""};
}

} // namespace

std::optional<StationProblem> CheckStation(const StationParameters& station)
{
    const std::string* texts[] = {&station.latitude, &station.altitude, &station.windHeight};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        const StationRange& b = kStationRanges[i];
        if (!IsFiniteNumberText(*texts[i]))
            return StationProblem{b.box, std::string(b.label) + " is not a number: \"" + *texts[i] + "\""};
        if (auto problem = OutOfRange(b, NumericValue(*texts[i]), *texts[i])) return problem;
    }
    return std::nullopt;
}

StationValues ReadStationValues(const StationParameters& station)
{
    return {NumericValue(station.latitude), NumericValue(station.altitude), NumericValue(station.windHeight)};
}

std::optional<StationProblem> CheckStation(const StationValues& station)
{
    const double values[] = {station.latitude, station.altitude, station.windHeight};
    for (std::size_t i = 0; i < std::size(values); ++i)
        if (auto problem = OutOfRange(kStationRanges[i], values[i], DecimalText(values[i]))) return problem;
    return std::nullopt;
}

} // namespace etp
