#pragma once
// The truncated values the formulas were built with.
// std::numbers::pi would move the last digits of every result.

namespace etp {

inline constexpr double Pi = 3.141592;
inline constexpr double TwoPi = 6.283184;
inline constexpr double HalfPi = 1.5708; // ArcCos only

} // namespace etp
