#pragma once
// The twelve methods in their fixed order: the order of the result columns and of the
// calls within a row. What each one is (label, caption, dialog, function) is its row
// of kMethods (et/MethodTable.h).
#include <array>
#include <cstddef>

namespace etp {

enum class Method {
    PenFao,
    PenFaoNoCorrection,
    PenMon,
    PriestleyTaylor,
    PenFaoRadiation,
    PenFaoSunshine,
    Hargreaves,
    Turc,
    Thornthwaite,
    PriestleyTaylorExtrad,
    BlaneyCriddle,
    PotentialRadiation,
};

inline constexpr int kMethodCount = 12;

// Position of a method in kMethods and in every PerMethod.
constexpr std::size_t Index(Method method) { return static_cast<std::size_t>(method); }

// One value per method, indexed by Method.
template <typename T>
struct PerMethod {
    std::array<T, kMethodCount> values{};

    constexpr T& operator[](Method method) { return values[Index(method)]; }
    constexpr const T& operator[](Method method) const { return values[Index(method)]; }
    constexpr auto begin() const { return values.begin(); }
    constexpr auto end() const { return values.end(); }
};

// The two dialogs that hold the check boxes.
enum class MethodDialog { Combination, Others };

// The check boxes of the two method dialogs: what Compute runs, and what the data allow.
struct MethodSelection {
    PerMethod<bool> checked{};
    // Only "Print potential radiation" can be ticked before a dialog has checked the columns.
    PerMethod<bool> enabled = [] {
        PerMethod<bool> flags{};
        flags[Method::PotentialRadiation] = true;
        return flags;
    }();
};

} // namespace etp
