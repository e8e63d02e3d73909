#pragma once
// Several methods of one row ask for the same term of the same day (the FAO-24 weighting
// factor four times, the FAO-56 net longwave three times). Such a term keeps its last
// arguments and value, per thread. The arguments are compared bit for bit, so what it
// hands back is exactly what the formula gives for them; a formula that throws keeps
// nothing.
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "base/CheckedMath.h"
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

// A formula of one argument asked for many arguments over and over (a power of the
// day's temperature, which takes a few hundred values over a series): the last value of
// each of kSlots slots, per thread, the argument compared bit for bit. A formula that
// throws keeps nothing.
template <std::size_t kSlots>
class ArgumentTable {
public:
    template <typename Formula>
    double operator()(double argument, Formula&& formula)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &argument, sizeof bits);
        Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15ULL) >> (64 - kBits)];
        if (entry.valid && entry.bits == bits) return entry.value;
        const double value = formula();
        entry = {bits, value, true};
        return value;
    }

private:
    static constexpr int kBits = std::countr_zero(kSlots);
    static_assert(kSlots == std::size_t{1} << kBits, "a power of two");
    struct Entry {
        std::uint64_t bits = 0;
        double value = 0;
        bool valid = false;
    };
    std::array<Entry, kSlots> entries_{};
};

// Power(base, 4, what), each base's value computed once per thread.
inline double FourthPower(double base, const char* what)
{
    thread_local ArgumentTable<1024> table;
    return table(base, [&] { return Power(base, 4, what); });
}

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
