#pragma once

#include "sizing_error.h"

#include <cmath>

// Arithmetic that stops the sizing at the first fault instead of carrying an infinity or a
// NaN into the table. Every operation of the relations goes through these helpers; the checks
// are explicit comparisons so that no optimisation can move or drop them.
namespace vazolar::checked {

inline double finite(double result) {
    if (!std::isfinite(result))
        throw SizingError(Fault::Overflow);
    return result;
}

inline double add(double a, double b) {
    return finite(a + b);
}
inline double sub(double a, double b) {
    return finite(a - b);
}
inline double mul(double a, double b) {
    return finite(a * b);
}

inline double div(double a, double b) {
    if (b == 0.0)
        throw SizingError(a == 0.0 ? Fault::Overflow : Fault::DivisionByZero);
    return finite(a / b);
}

inline double power(double base, double exponent) {
    if (base < 0.0 && std::trunc(exponent) != exponent)
        throw SizingError(Fault::InvalidArgument);
    return finite(std::pow(base, exponent));
}

inline double tangent(double radians) {
    return finite(std::tan(radians));
}

} // namespace vazolar::checked
