#pragma once
// The coefficients of the methods that the person may adjust, each at the value the
// methods take by default.

namespace etp {

struct MethodSettings {
    // "P-T extrad": kRs of its radiation from the month's temperature range [°C-0.5],
    // FAO-56 Eq. 50: 0.16 inland, 0.19 on the coast.
    double ptExtradKrs = 0.16;
};

} // namespace etp
