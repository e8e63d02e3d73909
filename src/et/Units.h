#pragma once
// The unit factors the formulas share, each with the value the results were built with.

namespace etp {

// Latent heat of vaporization lambda [MJ kg-1], FAO-56 Eq. 20 at 20 °C: 1 mm of water over
// 1 m2 (1 kg) takes 2.45 MJ to evaporate.
inline constexpr double LatentHeat = 2.45;
// Evaporation equivalent [mm per MJ m-2]: 1 / 2.45 rounded to three figures, as FAO-56 writes it.
inline constexpr double MmPerMJ = 0.408;
// Evaporation equivalent [cal cm-2 per mm]: 1 mm is 0.1 g cm-2, at about 590 cal g-1.
inline constexpr double CalPerMm = 59;
// Seconds in a day [s d-1].
inline constexpr double SecondsPerDay = 86400;
// A wind run of 1 m s-1 in km d-1: 86400 s / 1000 m.
inline constexpr double KmPerDayPerMetrePerSecond = 86.4;

} // namespace etp
