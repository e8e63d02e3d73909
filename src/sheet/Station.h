#pragma once
// The station's boxes (latitude, altitude, wind height): held as the texts the person
// sees, checked, and read into values when a command starts.
#include <optional>
#include <string>

namespace etp {

struct StationParameters {
    std::string latitude = "0";   // [decimal degrees]
    std::string altitude = "0";   // [m a.s.l.]
    std::string windHeight = "2"; // [m]
};

// The station's boxes, in the order the dialog shows them.
enum class StationBox { Latitude, Altitude, WindHeight };

struct StationProblem {
    StationBox box;
    std::string message; // "Latitude (°) must be from -90 to 90: \"95\""
};

// The first box whose text is no number or lies outside what the formulas take: a
// latitude from -90 to 90, an altitude from -500 to 9000 m, a wind height of at least
// 0.1 m (the conversion to 2 m has no logarithm below it).
std::optional<StationProblem> CheckStation(const StationParameters& station);

// The station as the formulas take it. A command reads the boxes into it once, when it
// starts, after CheckStation found nothing wrong with them.
struct StationValues {
    double latitude = 0;   // [decimal degrees]
    double altitude = 0;   // [m a.s.l.]
    double windHeight = 2; // [m]
};
StationValues ReadStationValues(const StationParameters& station);
// The same check on values (a caller that made them itself): the message shows the value.
std::optional<StationProblem> CheckStation(const StationValues& station);

} // namespace etp
