#pragma once
// Arithmetic that stops where the formula has no value. IEEE arithmetic would go on
// with an infinity or a NaN (and atan of an infinity is even finite), so each
// operation checks its own domain and throws ArithmeticError naming what failed.
#include <cmath>

#include "base/Refusal.h"

namespace etp {

[[nodiscard]] inline double Finite(double x, const char* what)
{
    if (!std::isfinite(x)) throw ArithmeticError(std::string("overflow in ") + what);
    return x;
}

[[nodiscard]] inline double Divide(double numerator, double denominator, const char* what)
{
    if (denominator == 0 || !std::isfinite(denominator)) throw ArithmeticError(std::string("division by zero in ") + what);
    return Finite(numerator / denominator, what);
}

[[nodiscard]] inline double SquareRoot(double x, const char* what)
{
    if (!(x >= 0)) throw ArithmeticError(std::string("square root of a negative number in ") + what);
    return std::sqrt(x);
}

[[nodiscard]] inline double Logarithm(double x, const char* what)
{
    if (!(x > 0)) throw ArithmeticError(std::string("logarithm of a number not above 0 in ") + what);
    return std::log(x);
}

[[nodiscard]] inline double Exponential(double x, const char* what) { return Finite(std::exp(x), what); }

// base ^ exponent; a negative base needs a whole exponent, a zero base a positive one.
[[nodiscard]] inline double Power(double base, double exponent, const char* what)
{
    if (base < 0 && exponent != std::floor(exponent))
        throw ArithmeticError(std::string("negative number to a fractional power in ") + what);
    if (base == 0 && exponent < 0) throw ArithmeticError(std::string("division by zero in ") + what);
    return Finite(std::pow(base, exponent), what);
}

} // namespace etp
