#pragma once
#include <cmath>
#include <limits>

#include "base/Refusal.h"

namespace etp {

// The one way a double becomes 32 bits.
[[nodiscard]] constexpr float ToSingle(double x) { return static_cast<float>(x); }

// The bound the monthly tables hold a value to before it becomes 32 bits: a little under
// the float maximum (3.40282e38), as they have always used it.
inline constexpr double kSingleBound = 3.4e38;

// As ToSingle, for values read from the sheet: a number beyond the 32-bit range is an overflow.
[[nodiscard]] inline float ToSingleChecked(double x, const char* what)
{
    if (!(std::fabs(x) <= std::numeric_limits<float>::max())) throw ArithmeticError(std::string("overflow in ") + what);
    return ToSingle(x);
}

} // namespace etp
