#pragma once
// Several methods of one row ask for the same term of the same day (the FAO-24 weighting
// factor four times, the FAO-56 net longwave three times). Such a term keeps its last
// arguments and value, per thread. The arguments are compared bit for bit, so what it
// hands back is exactly what the formula gives for them; a formula that throws keeps
// nothing.
#include <array>
#include <cstring>

#include "et/Records.h"

namespace etp {

template <typename Key>
class TermMemo {
public:
    template <typename Formula>
    double operator()(const Key& key, Formula&& formula)
    {
        if (valid_ && std::memcmp(key.data(), key_.data(), sizeof(Key)) == 0) return value_;
        const double value = formula();
        key_ = key;
        value_ = value;
        valid_ = true;
        return value;
    }

private:
    Key key_{};
    double value_ = 0;
    bool valid_ = false;
};

// Every field of the day's two records: the key of a term that reads them. A field added
// to a record must be added here (the sizes below stop the build until it is).
using DayKey = std::array<float, 12>;
static_assert(sizeof(DailyWeather) == 7 * sizeof(float) && sizeof(SiteDay) == 5 * sizeof(float));
inline DayKey KeyOf(const DailyWeather& D, const SiteDay& S)
{
    return {D.Tmin, D.Tmax, D.RHmax, D.RHmin, D.Wind, D.Sunshine, D.Radiation,
            S.Altitude, S.Latitude, S.Month, S.Day, S.Year};
}

} // namespace etp
